#include "menu/ZebKnopf.h"

#include "menu/PropertyBag.h"
#include "toolkit/Laufzeitfehler.h"
#include "toolkit/MsgBox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <mutex>

namespace {

constexpr std::uint32_t kSystemColour = 0x80000000u;
constexpr std::uint32_t kButtonFace = kSystemColour | 15u;
constexpr std::uint32_t kWindowText = kSystemColour | 8u;

// The design size of the focus frame, before the first resize fits it.
const QRect kRahmenDesign(0, 0, 1455 / 15, 615 / 15);

// A stored value as a 32-bit colour value.
std::uint32_t ToColour(const QVariant& value) {
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    if (!ok || n < -2147483648LL || n > 0xFFFFFFFFLL)
        throw toolkit::Laufzeitfehler(toolkit::Laufzeitfehler::kTypenUnverträglich,
                                      QStringLiteral("Typen unverträglich"));
    return static_cast<std::uint32_t>(n);
}

// A stored value as a picture: a picture itself, or the bytes of an image file.
QPixmap ToPicture(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QPixmap:
        return value.value<QPixmap>();
    case QMetaType::QImage:
        return QPixmap::fromImage(value.value<QImage>());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        QPixmap picture;
        if (!bytes.isEmpty() && !picture.loadFromData(bytes))
            throw toolkit::Laufzeitfehler(toolkit::Laufzeitfehler::kUngültigesBild,
                                          QStringLiteral("Ungültiges Bild"));
        return picture;
    }
    default:
        throw toolkit::Laufzeitfehler(toolkit::Laufzeitfehler::kTypenUnverträglich,
                                      QStringLiteral("Typen unverträglich"));
    }
}

class ZebKnopfAccessible : public QAccessibleWidget {
public:
    explicit ZebKnopfAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? widget()->objectName() : name;
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) static_cast<ZebKnopf*>(widget())->Press();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("ZebKnopf") && object && object->isWidgetType())
        return new ZebKnopfAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

QColor ColourOf(std::uint32_t colour) {
    if (!(colour & kSystemColour))
        return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    static const QPalette::ColorRole roles[] = {QPalette::Mid,
                                                QPalette::Dark,
                                                QPalette::Highlight,
                                                QPalette::Mid,
                                                QPalette::Window,
                                                QPalette::Base,
                                                QPalette::Shadow,
                                                QPalette::WindowText,
                                                QPalette::Text,
                                                QPalette::HighlightedText,
                                                QPalette::Button,
                                                QPalette::Button,
                                                QPalette::Mid,
                                                QPalette::Highlight,
                                                QPalette::HighlightedText,
                                                QPalette::Button,
                                                QPalette::Dark,
                                                QPalette::PlaceholderText,
                                                QPalette::ButtonText,
                                                QPalette::WindowText,
                                                QPalette::Light,
                                                QPalette::Shadow,
                                                QPalette::Midlight,
                                                QPalette::ToolTipText,
                                                QPalette::ToolTipBase};
    const std::uint32_t index = colour & 0xFF;
    const QPalette::ColorRole role = index < std::size(roles) ? roles[index] : QPalette::Button;
    return QPalette().color(QPalette::Active, role);
}

void InstallZebKnopfAccessibility() {
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(&AccessibleFactory); });
}

ZebKnopf::ZebKnopf(QWidget* parent)
    : QWidget(parent), m_backColor(kButtonFace), m_frameColor(kWindowText),
      m_rahmen(kRahmenDesign) {
    InstallZebKnopfAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize ZebKnopf::sizeHint() const {
    return QSize(99, 42);
}

void ZebKnopf::SetBackColor(std::uint32_t colour) {
    m_backColor = colour;
    update();
}

void ZebKnopf::SetFrameColor(std::uint32_t colour) {
    m_frameColor = colour;
    update();
}

void ZebKnopf::SetImage1(const QPixmap& picture) {
    m_bild1 = picture;
    ShowPicture(m_bild1);
}

void ZebKnopf::SetImage2(const QPixmap& picture) {
    m_bild2 = picture;
}

void ZebKnopf::ShowPicture(const QPixmap& picture) {
    m_surface = picture;
    update();
}

void ZebKnopf::UserControl_InitProperties() {}

void ZebKnopf::UserControl_ReadProperties(const PropertyBag& bag) {
    // Each property is read on its own: a missing one keeps its value
    // silently, any other failure is reported and reading goes on.
    const auto step = [](auto&& read) {
        try {
            read();
        } catch (const toolkit::Laufzeitfehler& e) {
            if (e.Number() == PropertyBag::kNotFound) return;
            toolkit::MsgBox(QStringLiteral("Unbekannter Fehler in ZebBeschriftung ") +
                                QLatin1Char('\r') + QString::number(e.Number()) + QLatin1Char(' ') +
                                e.Description(),
                            toolkit::vbOKOnly);
        }
    };
    step([&] { SetBackColor(ToColour(bag.ReadProperty(QStringLiteral("BackColor")))); });
    step([&] { SetFrameColor(ToColour(bag.ReadProperty(QStringLiteral("FrameColor")))); });
    step([&] { m_bild1 = ToPicture(bag.ReadProperty(QStringLiteral("Bild1"))); });
    step([&] { m_bild2 = ToPicture(bag.ReadProperty(QStringLiteral("Bild2"))); });
}

void ZebKnopf::UserControl_WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty(QStringLiteral("BackColor"), static_cast<qint32>(m_backColor));
    bag.WriteProperty(QStringLiteral("FrameColor"), static_cast<qint32>(m_frameColor));
    bag.WriteProperty(QStringLiteral("Bild1"), m_bild1);
    bag.WriteProperty(QStringLiteral("Bild2"), m_bild2);
}

void ZebKnopf::UserControl_Show() {
    ShowPicture(m_bild1);
}
void ZebKnopf::UserControl_MouseDown() {
    ShowPicture(m_bild2);
}
void ZebKnopf::UserControl_MouseUp() {
    ShowPicture(m_bild1);
}
void ZebKnopf::UserControl_Click() {
    emit Click();
}

void ZebKnopf::UserControl_GotFocus() {
    m_rahmenVisible = true;
    update();
}

void ZebKnopf::UserControl_LostFocus() {
    m_rahmenVisible = false;
    update();
}

void ZebKnopf::UserControl_Resize() {
    m_rahmen = QRect(QPoint(0, 0), size());
}

void ZebKnopf::Press() {
    UserControl_Click();
}

void ZebKnopf::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ColourOf(m_backColor));
    if (!m_surface.isNull())
        painter.drawPixmap(0, 0, m_surface); // own size, top-left, never stretched
    if (m_rahmenVisible) {
        QPen pen(ColourOf(m_frameColor));
        pen.setStyle(Qt::DotLine);
        pen.setWidth(1);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(m_rahmen.adjusted(0, 0, -1, -1));
    }
}

void ZebKnopf::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_pressed = true;
    UserControl_MouseDown();
}

void ZebKnopf::mouseReleaseEvent(QMouseEvent* event) {
    UserControl_MouseUp();
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) m_pressed = false;
    if (click) UserControl_Click();
}

// Space works like the mouse (pressed look while held, Click when released), Enter clicks at
// once, so the button that shows the focus frame can be used from the keyboard. Only a Space
// pressed on this button clicks it; the focus leaving while Space is held takes the press back.
void ZebKnopf::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        if (!event->isAutoRepeat() && !m_spaceDown) {
            m_spaceDown = true;
            UserControl_MouseDown();
        }
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        UserControl_Click();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void ZebKnopf::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) return QWidget::keyReleaseEvent(event);
    if (event->isAutoRepeat() || !m_spaceDown) return;
    m_spaceDown = false;
    UserControl_MouseUp();
    UserControl_Click();
}

void ZebKnopf::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    UserControl_GotFocus();
}

void ZebKnopf::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (m_spaceDown) {
        m_spaceDown = false;
        UserControl_MouseUp();
    }
    UserControl_LostFocus();
}

void ZebKnopf::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UserControl_Resize();
}

void ZebKnopf::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) UserControl_Show();
}
