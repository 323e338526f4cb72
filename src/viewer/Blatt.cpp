#include "viewer/Blatt.h"

#include "toolkit/Look.h"
#include "viewer/BlattAccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwips = toolkit::kTwipsPerPixel;

QStringList SplitLines(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    return text.split(breaks);
}

} // namespace

Blatt::Blatt(QWidget* parent) : QWidget(parent) {
    InstallBlattAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    setPalette(palette);
    setFont(toolkit::WindowFont());

    // Measured with the font as it is drawn here, in this widget's pixels, 15 twips each.
    m_metrics.width = [this](const QString& text, double points, bool bold) {
        return QFontMetricsF(SheetFont(points, bold), this).horizontalAdvance(text) * kTwips;
    };
    m_metrics.lineHeight = [this](double points, bool bold) {
        return QFontMetricsF(SheetFont(points, bold), this).lineSpacing() * kTwips;
    };

    m_bar = new QScrollBar(Qt::Vertical, this);
    m_bar->setObjectName(QStringLiteral("AusgabeBildlauf"));
    m_bar->setFocusPolicy(Qt::NoFocus);
    m_bar->hide();
    connect(m_bar, &QScrollBar::valueChanged, this, [this] { update(); });
    UpdateScrollRange();
}

void Blatt::SetMetrics(Metrics metrics) {
    m_metrics = std::move(metrics);
}

QFont Blatt::SheetFont(double points, bool bold) {
    QFont font = toolkit::WindowFont();
    font.setPointSizeF(points > 0 ? points : 1);
    font.setBold(bold);
    return font;
}

int Blatt::BarWidth() const {
    return m_bar->sizeHint().width();
}

double Blatt::ScaleWidth() const {
    return (width() - (m_barShown ? BarWidth() : 0)) * kTwips;
}

double Blatt::ScaleHeight() const {
    return height() * kTwips;
}

void Blatt::Cls() {
    m_pieces.clear();
    m_x = 0;
    m_y = 0;
    m_line = 0;
    m_bar->setValue(0);
    Changed();
}

double Blatt::TextWidth(const QString& text) const {
    double widest = 0;
    for (const QString& line : SplitLines(text))
        widest = std::max(widest, m_metrics.width(line, m_size, m_bold));
    return widest;
}

double Blatt::TextHeight(const QString& text) const {
    return static_cast<double>(SplitLines(text).size()) * m_metrics.lineHeight(m_size, m_bold);
}

void Blatt::Print(const QString& text, bool centred) {
    const double line = m_metrics.lineHeight(m_size, m_bold);
    bool first = true;
    for (const QString& part : SplitLines(text)) {
        if (!first) m_x = 0;
        first = false;
        if (!part.isEmpty()) m_pieces.push_back({part, m_x, m_y, m_size, m_bold, centred, line});
        m_y += line;
    }
    m_x = 0;
    Changed();
}

QStringList Blatt::Lines() const {
    QStringList lines;
    for (const Line& line : DrawnLines())
        lines.append(line.text);
    return lines;
}

std::vector<Blatt::Line> Blatt::DrawnLines() const {
    std::vector<const Piece*> order;
    order.reserve(m_pieces.size());
    for (const Piece& piece : m_pieces)
        order.push_back(&piece);
    std::stable_sort(order.begin(), order.end(), [](const Piece* a, const Piece* b) {
        return a->y != b->y ? a->y < b->y : a->x < b->x;
    });
    std::vector<Line> lines;
    const Piece* previous = nullptr;
    for (const Piece* piece : order) {
        if (previous && previous->y == piece->y) {
            lines.back().text += piece->text;
            lines.back().height = std::max(lines.back().height, piece->height);
        } else {
            lines.push_back({piece->text, piece->y, piece->height});
        }
        previous = piece;
    }
    return lines;
}

int Blatt::CursorOffset() const {
    int offset = 0;
    const std::vector<Line> lines = DrawnLines();
    for (int i = 0; i < m_line && i < static_cast<int>(lines.size()); ++i)
        offset += static_cast<int>(lines[static_cast<std::size_t>(i)].text.size()) + 1;
    return offset;
}

void Blatt::SetCursorOffset(int offset) {
    int line = 0;
    for (const Line& l : DrawnLines()) {
        offset -= static_cast<int>(l.text.size()) + 1;
        if (offset < 0) break;
        ++line;
    }
    GoToLine(line);
}

void Blatt::GoToLine(int line) {
    const std::vector<Line> lines = DrawnLines();
    if (lines.empty()) return;
    m_line = std::clamp(line, 0, static_cast<int>(lines.size()) - 1);
    const Line& current = lines[static_cast<std::size_t>(m_line)];
    // Scrolled just far enough for the whole line to show.
    if (current.top < ScrollTop())
        m_bar->setValue(static_cast<int>(std::floor(current.top / kTwips)));
    else if (current.top + current.height > ScrollTop() + ScaleHeight())
        m_bar->setValue(
            static_cast<int>(std::ceil((current.top + current.height - ScaleHeight()) / kTwips)));
    if (QAccessible::isActive()) {
        QAccessibleTextCursorEvent event(this, CursorOffset());
        QAccessible::updateAccessibility(&event);
    }
}

double Blatt::ContentHeight() const {
    double bottom = 0;
    for (const Piece& piece : m_pieces)
        bottom = std::max(bottom, piece.y + piece.height);
    return bottom;
}

void Blatt::SetScrollBarShown(bool shown) {
    if (m_barShown == shown) return;
    m_barShown = shown;
    m_bar->setVisible(shown);
    UpdateScrollRange();
    update();
}

double Blatt::ScrollTop() const {
    return m_bar->value() * kTwips;
}

void Blatt::Changed() {
    UpdateScrollRange();
    update();
    NotifyReaders();
}

void Blatt::UpdateScrollRange() {
    m_bar->setGeometry(width() - BarWidth(), 0, BarWidth(), height());
    const int content = static_cast<int>(std::ceil(ContentHeight() / kTwips));
    m_bar->setRange(0, std::max(0, content - height()));
    m_bar->setPageStep(std::max(1, height()));
    const double line = m_metrics.lineHeight ? m_metrics.lineHeight(9, false) / kTwips : 12;
    m_bar->setSingleStep(std::max(1, static_cast<int>(std::lround(line))));
}

void Blatt::NotifyReaders() {
    if (!QAccessible::isActive() || m_notifyPending) return;
    // A sheet is drawn piece by piece; readers hear of it once it is complete.
    m_notifyPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_notifyPending = false;
            const QString now = Lines().join(u'\n');
            NotifyBlattChanged(this, m_reported, now);
            m_reported = now;
        },
        Qt::QueuedConnection);
}

void Blatt::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    painter.setPen(Qt::black);
    const double top = ScrollTop();
    const double visibleTop = event->rect().top() * kTwips + top;
    const double visibleBottom = (event->rect().bottom() + 1) * kTwips + top;
    for (const Piece& piece : m_pieces) {
        if (piece.y + piece.height < visibleTop || piece.y > visibleBottom) continue;
        const QFont font = SheetFont(piece.size, piece.bold);
        painter.setFont(font);
        const double ascent = QFontMetricsF(font, this).ascent();
        painter.drawText(QPointF(piece.x / kTwips, (piece.y - top) / kTwips + ascent), piece.text);
    }
}

void Blatt::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateScrollRange();
}

void Blatt::wheelEvent(QWheelEvent* event) {
    const int lines = QApplication::wheelScrollLines();
    const int delta = event->angleDelta().y();
    if (delta == 0 || m_bar->maximum() == 0) return QWidget::wheelEvent(event);
    m_bar->setValue(m_bar->value() - delta * lines * m_bar->singleStep() / 120);
    event->accept();
}

void Blatt::keyPressEvent(QKeyEvent* event) {
    // A page down is the last line still within one visible height below the current line's
    // top; a page up the first line within one visible height above its bottom.
    const auto seite = [this](bool abwärts) {
        const std::vector<Line> lines = DrawnLines();
        if (lines.empty()) return 0;
        const Line& hier =
            lines[static_cast<std::size_t>(std::min<int>(m_line, int(lines.size()) - 1))];
        int ziel = m_line;
        if (abwärts) {
            while (ziel + 1 < int(lines.size()) &&
                   lines[std::size_t(ziel + 1)].top + lines[std::size_t(ziel + 1)].height <=
                       hier.top + ScaleHeight())
                ++ziel;
            return std::max(ziel, m_line + 1);
        }
        while (ziel > 0 &&
               lines[std::size_t(ziel - 1)].top >= hier.top + hier.height - ScaleHeight())
            --ziel;
        return std::min(ziel, m_line - 1);
    };
    switch (event->key()) {
    case Qt::Key_Up:
        GoToLine(m_line - 1);
        break;
    case Qt::Key_Down:
        GoToLine(m_line + 1);
        break;
    case Qt::Key_PageUp:
        GoToLine(seite(false));
        break;
    case Qt::Key_PageDown:
        GoToLine(seite(true));
        break;
    case Qt::Key_Home:
        GoToLine(0);
        break;
    case Qt::Key_End:
        GoToLine(static_cast<int>(DrawnLines().size()) - 1);
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    event->accept();
}
