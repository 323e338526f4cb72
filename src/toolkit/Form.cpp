#include "toolkit/Form.h"

#include "toolkit/Look.h"
#include "toolkit/Trap.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPointer>
#include <algorithm>
#include <vector>

namespace toolkit {

namespace {

std::vector<Form*>& Registry() {
    static std::vector<Form*> forms;
    return forms;
}

void Forget(Form* form) {
    auto& forms = Registry();
    forms.erase(std::remove(forms.begin(), forms.end(), form), forms.end());
}

std::vector<QPointer<Form>> Snapshot() {
    std::vector<QPointer<Form>> forms;
    for (Form* form : Registry())
        if (!form->IsUnloading()) forms.emplace_back(form);
    return forms;
}

// Screen readers announce a window by its role: a plain widget would be a mere "filler".
QAccessibleInterface* FormAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(Form::staticMetaObject.className())) return nullptr;
    auto* form = qobject_cast<Form*>(object);
    if (!form) return nullptr;
    return new QAccessibleWidget(form,
                                 form->IsDialog() ? QAccessible::Dialog : QAccessible::Window);
}

} // namespace

Form::Form(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    static const bool accessible = [] {
        QAccessible::installFactory(&FormAccessible);
        return true;
    }();
    (void)accessible;
    ApplyLook(this);
    Registry().push_back(this);
}

Form::~Form() {
    Forget(this);
}

void Form::SetInnerSize(int widthTwips, int heightTwips) {
    setFixedSize(px(widthTwips), px(heightTwips));
}

void Form::Place(QWidget* control, Twips at) {
    if (!control) return;
    if (control->parentWidget() != this) control->setParent(this);
    control->setGeometry(px(at.left), px(at.top), px(at.width), px(at.height));
}

void Form::SetCaption(const QString& caption) {
    setWindowTitle(caption);
}

void Form::Show() {
    if (m_discarded) {
        qWarning("toolkit::Form::Show: the form %s has been unloaded", qPrintable(objectName()));
        return;
    }
    if (isMinimized()) showNormal();
    show();
    // The offscreen platform (tests) has no stacking order and complains about raise().
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) raise();
    activateWindow();
}

void Form::Unload() {
    if (m_unloading) return;
    m_unloading = true;
    // Form_Unload may be reached from closeEvent, where nothing may be thrown into Qt.
    Trapped([this] { Form_Unload(); })();
    Discard();
}

void Form::Discard() {
    if (m_discarded) return;
    m_unloading = true;
    m_discarded = true;
    ForgetInstance();
    Forget(this);
    hide();
    deleteLater();
}

void Form::closeEvent(QCloseEvent* event) {
    Unload();
    // While Form_Unload is still busy (e.g. showing a message) the window stays.
    event->setAccepted(m_discarded);
}

void Form::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_unloading) FollowAll();
}

void Form::FollowFile(std::function<void()> follow) {
    Follow(this, [this, follow = std::move(follow)] {
        if (!m_unloading) follow();
    });
}

void UnloadAll() {
    // Form_Unload hooks may load further forms; unload those too, but never loop forever.
    for (int round = 0; round < 100; ++round) {
        const auto forms = Snapshot();
        if (forms.empty()) return;
        for (const auto& form : forms)
            if (form) form->Unload();
    }
    DiscardAll();
}

void DiscardAll() {
    // Forms whose Form_Unload is still running are discarded as well.
    const std::vector<Form*> forms = Registry();
    for (Form* form : forms)
        form->Discard();
}

int LoadedFormCount() {
    return static_cast<int>(Registry().size());
}

} // namespace toolkit
