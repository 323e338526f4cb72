#pragma once
// The base of every window: a fixed-size top-level form whose controls are placed in twips.
// A form is loaded (constructed, Form_Load), shown, and unloaded (Form_Unload, hidden,
// destroyed); the program's windows exist once each through SingleForm.

#include <QWidget>
#include <functional>

class QCloseEvent;

namespace toolkit {

class Form;

// Unloads every loaded form, running each form's Form_Unload.
void UnloadAll();

// Hides and destroys every loaded form without running any Form_Unload.
void DiscardAll();

// Number of forms loaded and not yet unloaded.
int LoadedFormCount();

// A control's place on its form in twips: left, top, width and height of its rectangle.
struct Twips {
    int left, top, width, height;
};

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Fixed inner size in twips; the user cannot resize the window.
    void SetInnerSize(int widthTwips, int heightTwips);
    // Makes control a child of this form at a place given in twips.
    void Place(QWidget* control, Twips at);
    void SetCaption(const QString& caption);
    // A dialog (a window that serves another one) is announced to screen readers as a dialog,
    // every other form as an application window; both by their captions.
    void SetDialog() { m_dialog = true; }
    bool IsDialog() const { return m_dialog; }

    // Shows the form modeless, brings it to the front and activates it.
    void Show();
    // Runs Form_Unload, hides the form, forgets it as its class's instance and destroys it once
    // control returns to the event loop, so a form may unload itself from its own handlers.
    // A second call does nothing.
    void Unload();
    // True from the start of Unload (or DiscardAll) on.
    bool IsUnloading() const { return m_unloading; }

protected:
    // Runs once after construction when the form is loaded through SingleForm::Instance.
    virtual void Form_Load() {}
    // Runs on Unload (also when the user closes the window), never on DiscardAll.
    virtual void Form_Unload() {}

    void closeEvent(QCloseEvent* event) override;
    // A form coming to the front has every window follow the file (another program may have
    // written it).
    void changeEvent(QEvent* event) override;
    // Follows the file while the form is loaded (toolkit::Follow): follow runs after every
    // outermost handler and whenever a window comes to the front, never once the form unloads.
    void FollowFile(std::function<void()> follow);

private:
    template <class> friend class SingleForm;
    friend void UnloadAll();
    friend void DiscardAll();

    // Lets SingleForm drop its instance pointer.
    virtual void ForgetInstance() {}
    void RunLoad() { Form_Load(); }
    // Hides, forgets and schedules destruction, without Form_Unload.
    void Discard();

    bool m_unloading = false;
    bool m_dialog = false;
    bool m_discarded = false;
};

// A form that exists at most once: T::Instance() loads it on first use (hidden until Show).
// T needs no Q_OBJECT; connect its handlers with lambdas.
template <class T> class SingleForm : public Form {
public:
    // The loaded instance, loading it first when needed. If Form_Load throws, the half-loaded
    // form is discarded and the exception passes on to the caller.
    static T& Instance() {
        if (s_self) return static_cast<T&>(*s_self);
        T* form = new T;
        s_self = form;
        Form* base = form;
        try {
            base->RunLoad();
        } catch (...) {
            base->Discard();
            throw;
        }
        return *form;
    }

    static bool IsLoaded() { return s_self != nullptr; }
    static T* Loaded() { return static_cast<T*>(s_self); }

protected:
    explicit SingleForm(QWidget* parent = nullptr) : Form(parent) {}
    ~SingleForm() override {
        if (s_self == this) s_self = nullptr;
    }

private:
    void ForgetInstance() override {
        if (s_self == this) s_self = nullptr;
    }

    inline static SingleForm* s_self = nullptr;
};

} // namespace toolkit
