#include "viewer/BlattAccessible.h"

#include "viewer/Blatt.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// Read-only text: the sheet's lines joined with line breaks, nothing selectable, the caret at
// the start of the line the reader is on; a reader reads it line by line with the arrow keys.
class BlattAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit BlattAccessible(Blatt* blatt) : QAccessibleWidget(blatt, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return Content();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        return s;
    }

    QString text(int startOffset, int endOffset) const override {
        const QString content = Content();
        startOffset = qBound(0, startOffset, int(content.size()));
        endOffset = qBound(startOffset, endOffset, int(content.size()));
        return content.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(Content().size()); }

    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return Sheet()->CursorOffset(); }
    void setCursorPosition(int position) override { Sheet()->SetCursorOffset(position); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    Blatt* Sheet() const { return static_cast<Blatt*>(object()); }
    QString Content() const { return Sheet()->Lines().join(u'\n'); }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className != QLatin1String("Blatt")) return nullptr;
    auto* blatt = qobject_cast<Blatt*>(object);
    return blatt ? new BlattAccessible(blatt) : nullptr;
}

} // namespace

void InstallBlattAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void NotifyBlattChanged(Blatt* blatt, const QString& before, const QString& now) {
    if (before == now) return;
    QAccessibleTextUpdateEvent event(blatt, 0, before, now);
    QAccessible::updateAccessibility(&event);
}
