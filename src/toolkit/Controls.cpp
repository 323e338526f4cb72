#include "toolkit/Controls.h"

#include "toolkit/Form.h"
#include "toolkit/GridAccessible.h"
#include "toolkit/Look.h"
#include "toolkit/Trap.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStringListModel>
#include <mutex>
#include <stdexcept>

namespace toolkit {

namespace {

// Runs a stored handler (if any) through the trap.
void Raise(const std::function<void()>& handler) {
    if (handler) Trapped(handler)();
}

// The character code a key press types, 0 for keys that type nothing (arrows, F-keys ...).
int KeyAsciiOf(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 0;
    default:
        break;
    }
    const QString text = event.text();
    return text.size() == 1 ? text.at(0).unicode() : 0;
}

int QtKeyFor(int keyAscii) {
    switch (keyAscii) {
    case 13:
        return Qt::Key_Return;
    case 27:
        return Qt::Key_Escape;
    case 8:
        return Qt::Key_Backspace;
    case 9:
        return Qt::Key_Tab;
    default:
        // Qt's key codes for printable characters are the upper-case character codes.
        return keyAscii < 32 ? static_cast<int>(Qt::Key_unknown)
                             : static_cast<int>(QChar(keyAscii).toUpper().unicode());
    }
}

// Offers a key press to a KeyPress handler, then hands it (or the character the handler chose
// instead) to the control's own key handling, unless the handler swallowed it.
void DeliverKey(QKeyEvent* event, const KeyPressHandler& handler,
                const std::function<void(QKeyEvent*)>& base) {
    const int original = KeyAsciiOf(*event);
    if (!handler || original == 0) return base(event);
    int keyAscii = original;
    Trapped([&] { handler(keyAscii); })();
    if (keyAscii == original || keyAscii < 0 || keyAscii > 0xFFFF) return base(event);
    if (keyAscii == 0) return event->accept();
    QKeyEvent replacement(QEvent::KeyPress, QtKeyFor(keyAscii), event->modifiers(),
                          QString(QChar(keyAscii)), event->isAutoRepeat());
    base(&replacement);
    event->setAccepted(replacement.isAccepted());
}

} // namespace

// ---------------------------------------------------------------------------------------------
// ComboBox

namespace {

// A combo box as screen readers see it: its name and value are the entry it shows, which a
// reader on the accessibility bus hears only through the name; its caption reaches the reader
// through the caption label's relation "labelled by" (the label is the box's buddy). While the
// box shows nothing it goes by its caption. Its parts are the drop-down list and (editable)
// the text field.
class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Box()->currentText();
        if (t == QAccessible::Name && !Box()->currentText().isEmpty()) return Box()->currentText();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return Box()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(Box()->view());
        if (index == 1 && Box()->isEditable())
            return QAccessible::queryAccessibleInterface(Box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        if (child->object() == Box()->view()) return 0;
        if (Box()->isEditable() && child->object() == Box()->lineEdit()) return 1;
        return -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override {
        // The box is the focus proxy of its text field, which takes the typing.
        return Box()->isEditable() ? child(1) : nullptr;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) return;
        if (Box()->view()->isVisible())
            Box()->hidePopup();
        else
            Box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // A box without a caption label on its form (a unit beside an amount) is labelled by its
    // accessible name, so that a reader can tell it from its neighbours.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto relations = QAccessibleWidget::relations(match);
        if (!(match & QAccessible::Label) || widget()->accessibleName().isEmpty()) return relations;
        for (const auto& relation : relations)
            if (relation.second & QAccessible::Label) return relations;
        if (!m_caption) m_caption = QAccessible::registerAccessibleInterface(new Caption(Box()));
        relations.append({QAccessible::accessibleInterface(m_caption), QAccessible::Label});
        return relations;
    }
    ~ComboBoxAccessible() override {
        if (m_caption) QAccessible::deleteAccessibleInterface(m_caption);
    }

private:
    // The name of a box without caption label, as a label of its own.
    class Caption : public QAccessibleInterface {
    public:
        explicit Caption(QComboBox* box) : m_box(box) {}
        bool isValid() const override { return m_box; }
        QObject* object() const override { return nullptr; }
        QAccessibleInterface* parent() const override {
            return QAccessible::queryAccessibleInterface(m_box.data());
        }
        QAccessibleInterface* child(int) const override { return nullptr; }
        QAccessibleInterface* childAt(int, int) const override { return nullptr; }
        int childCount() const override { return 0; }
        int indexOfChild(const QAccessibleInterface*) const override { return -1; }
        QString text(QAccessible::Text t) const override {
            return t == QAccessible::Name && m_box ? m_box->accessibleName() : QString();
        }
        void setText(QAccessible::Text, const QString&) override {}
        QRect rect() const override { return {}; }
        QAccessible::Role role() const override { return QAccessible::StaticText; }
        QAccessible::State state() const override { return {}; }

    private:
        QPointer<QComboBox> m_box;
    };

    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
    mutable QAccessible::Id m_caption = 0;
};

QAccessibleInterface* ComboBoxFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(ComboBox::staticMetaObject.className())) return nullptr;
    auto* box = qobject_cast<ComboBox*>(object);
    return box ? new ComboBoxAccessible(box) : nullptr;
}

} // namespace

ComboBox::ComboBox(bool editable, QWidget* parent) : QComboBox(parent) {
    static std::once_flag accessible;
    std::call_once(accessible, [] { QAccessible::installFactory(&ComboBoxFactory); });
    // Plain texts: a list of tens of thousands of names stays small in memory.
    setModel(new QStringListModel(this));
    setEditable(editable);
    if (editable) {
        // Free text stays what the user typed: no completion, no entries added by Enter.
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr);
    }
    // activated comes only from the user: a choice from the list, arrow keys, the wheel; and
    // Enter on typed text that matches an entry, which is typing and raises no Click.
    connect(this, &QComboBox::activated, this, [this] {
        if (!m_typingEnter) RaiseClick();
    });
    // Every change of what the box shows is a change of its name for screen readers.
    connect(this, &QComboBox::currentTextChanged, this, [this] {
        if (!QAccessible::isActive()) return;
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    });
}

void ComboBox::AddItem(const QString& item) {
    AddItems(QStringList{item});
}

void ComboBox::AddItems(const QStringList& items) {
    const int index = currentIndex();
    const QString text = currentText();
    // An empty box takes the list whole: one change of the model instead of one per entry, and
    // the texts are shared with the caller's list, not copied.
    if (count() == 0)
        static_cast<QStringListModel*>(model())->setStringList(items);
    else
        addItems(items);
    // QComboBox selects the first entry put into an empty box, and a new list empties the
    // typed text; undo that.
    if (currentIndex() != index) setCurrentIndex(index);
    if (isEditable() && currentText() != text) setEditText(text);
}

void ComboBox::Clear() {
    clear();
    if (isEditable()) clearEditText();
}

QString ComboBox::List(int index) const {
    return index >= 0 && index < count() ? itemText(index) : QString();
}

int ComboBox::ListIndex() const {
    const int index = currentIndex();
    if (index >= 0 && isEditable() && itemText(index) != currentText()) return -1;
    return index;
}

void ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= count())
        throw std::out_of_range("Unzulässiger Eigenschaftswert für ListIndex");
    if (index == ListIndex()) return;
    setCurrentIndex(index);
    if (isEditable()) setEditText(index >= 0 ? itemText(index) : QString());
    RaiseClick();
}

QString ComboBox::Text() const {
    return currentText();
}

void ComboBox::SetText(const QString& text) {
    if (isEditable()) {
        setEditText(text);
        return;
    }
    if (text.isEmpty()) return SetListIndex(-1);
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) throw std::invalid_argument("Die Eigenschaft 'Text' ist schreibgeschützt");
    SetListIndex(index);
}

void ComboBox::keyPressEvent(QKeyEvent* event) {
    DeliverKey(event, m_onKeyPress, [this](QKeyEvent* e) {
        // The arrow keys move on from the entry the box shows, also when its text was set rather
        // than chosen (then Qt would first move to the entry it already shows, or the first one).
        const bool arrow = e->key() == Qt::Key_Up || e->key() == Qt::Key_Down;
        if (arrow && isEditable() && ListIndex() < 0) {
            const int shown = findText(currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (shown >= 0) setCurrentIndex(shown);
        }
        const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        m_typingEnter = enter && isEditable();
        QComboBox::keyPressEvent(e);
        m_typingEnter = false;
    });
}

void ComboBox::RaiseClick() {
    Raise(m_onClick);
}

// ---------------------------------------------------------------------------------------------
// ListBox

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    // Every entry is one line of text in the box's font: the list is laid out from the first
    // entry's height instead of measuring thousands of entries each time it is filled.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { Raise(m_onDblClick); });
}

void ListBox::Silently(const std::function<void()>& change) {
    ++m_silent;
    change();
    --m_silent;
    m_last = ListIndex();
}

void ListBox::AddItem(const QString& item) {
    Silently([&] { addItem(item); });
}

void ListBox::AddItems(const QStringList& items) {
    Silently([&] { addItems(items); });
}

void ListBox::RemoveItem(int index) {
    if (index < 0 || index >= count()) throw std::out_of_range("Unzulässiger Index für RemoveItem");
    Silently([&] {
        const bool selected = ListIndex() == index;
        delete takeItem(index);
        if (selected) {
            clearSelection();
            selectionModel()->clearCurrentIndex();
        }
    });
}

void ListBox::Clear() {
    Silently([&] { clear(); });
}

QString ListBox::List(int index) const {
    const QListWidgetItem* entry = item(index);
    return entry ? entry->text() : QString();
}

int ListBox::ListIndex() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void ListBox::SetListIndex(int index) {
    if (index < -1 || index >= count())
        throw std::out_of_range("Unzulässiger Eigenschaftswert für ListIndex");
    if (index == ListIndex()) return;
    ++m_silent;
    if (index < 0) {
        clearSelection();
        selectionModel()->clearCurrentIndex();
    } else {
        setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        scrollToItem(item(index));
    }
    --m_silent;
    SelectionChanged();
}

QString ListBox::Text() const {
    return List(ListIndex());
}

void ListBox::SelectionChanged() {
    if (m_silent) return;
    const int now = ListIndex();
    if (now == m_last) return;
    m_last = now;
    Raise(m_onClick);
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    DeliverKey(event, m_onKeyPress, [this](QKeyEvent* e) { QListWidget::keyPressEvent(e); });
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    // A click below the last entry keeps the selection.
    if (!indexAt(event->position().toPoint()).isValid()) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const {
    // The user cannot take the selection away (Ctrl+click on the selected entry).
    const auto command = QListWidget::selectionCommand(index, event);
    return command.testFlag(QItemSelectionModel::Deselect) ? QItemSelectionModel::NoUpdate
                                                           : command;
}

// ---------------------------------------------------------------------------------------------
// LineGrid

namespace {

// Marks the grid's own changes of the current cell for as long as it lives, so they are not
// taken for the user's.
class InternalChange {
public:
    explicit InternalChange(int& counter) : m_counter(counter) { ++m_counter; }
    ~InternalChange() { --m_counter; }
    InternalChange(const InternalChange&) = delete;
    InternalChange& operator=(const InternalChange&) = delete;

private:
    int& m_counter;
};

} // namespace

LineGrid::LineGrid(int cols, QWidget* parent) : QTableWidget(parent) {
    InstallGridAccessibility();
    {
        const InternalChange internal(m_internal);
        setColumnCount(cols < 1 ? 1 : cols);
        horizontalHeader()->hide();
        verticalHeader()->hide();
        verticalHeader()->setMinimumSectionSize(1);
        verticalHeader()->setDefaultSectionSize(QFontMetrics(WindowFont()).height() + 4);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setSelectionBehavior(QAbstractItemView::SelectRows);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setTabKeyNavigation(false);
        setWordWrap(false);
        setCornerButtonEnabled(false);
        m_col = columnCount() > 1 ? 1 : 0;
    }
    SetRows(2);
    m_row = 1;
    ShowCurrent();

    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        // The user moved the current cell (click or arrow keys).
        if (m_internal || row < 1) return;
        m_row = row;
        if (col >= 1) m_col = col;
    });
    connect(this, &QTableWidget::cellClicked, this, [this](int row) {
        if (row >= 1) Raise(m_onClick);
    });
}

QTableWidgetItem* LineGrid::Cell(int row, int col) const {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
        throw std::out_of_range("Zeile oder Spalte außerhalb des Rasters");
    return item(row, col);
}

void LineGrid::FillRow(int row) {
    for (int col = 0; col < columnCount(); ++col) {
        auto* cell = new QTableWidgetItem;
        if (row == 0 || col == 0) {
            cell->setFlags(Qt::ItemIsEnabled);
            cell->setBackground(FixedCellBackground());
        } else {
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
        setItem(row, col, cell);
    }
}

void LineGrid::SetRows(int rows) {
    if (rows < 1) rows = 1;
    const int before = rowCount();
    if (rows == before) return;
    {
        const InternalChange internal(m_internal);
        setRowCount(rows);
        for (int row = before; row < rows; ++row)
            FillRow(row);
    }
    if (m_row >= rows) m_row = rows - 1;
    ShowCurrent();
}

void LineGrid::SetRow(int row) {
    if (row < 0 || row >= rowCount()) throw std::out_of_range("Ungültiger Wert für Row");
    m_row = row;
    ShowCurrent();
}

void LineGrid::SetCol(int col) {
    if (col < 0 || col >= columnCount()) throw std::out_of_range("Ungültiger Wert für Col");
    m_col = col;
}

QString LineGrid::Text() const {
    return TextAt(m_row, m_col);
}

void LineGrid::SetText(const QString& text) {
    SetTextAt(m_row, m_col, text);
}

QString LineGrid::TextAt(int row, int col) const {
    return Cell(row, col)->text();
}

void LineGrid::SetTextAt(int row, int col, const QString& text) {
    Cell(row, col)->setText(text);
}

void LineGrid::RemoveItem(int row) {
    if (row < 1 || row >= rowCount())
        throw std::out_of_range("Diese Zeile kann nicht entfernt werden");
    {
        const InternalChange internal(m_internal);
        removeRow(row);
    }
    if (m_row > row) --m_row;
    if (m_row >= rowCount()) m_row = rowCount() - 1;
    ShowCurrent();
}

void LineGrid::SetColWidth(int col, int twips) {
    Cell(0, col);
    setColumnWidth(col, px(twips));
}

QString LineGrid::ColumnName(int col) const {
    return col < m_columnNames.size() ? m_columnNames.at(col)
                                      : QStringLiteral("Spalte %1").arg(col + 1);
}

void LineGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QAbstractItemView::currentChanged(current, previous);
    const int child = GridChildIndex(this, current);
    if (!QAccessible::isActive() || child < 0 || !hasFocus()) return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(child);
    QAccessible::updateAccessibility(&event);
}

void LineGrid::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QAbstractItemView::selectionChanged(selected, deselected);
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(this, QAccessible::SelectionWithin);
    QAccessible::updateAccessibility(&event);
}

void LineGrid::ShowCurrent() {
    if (m_row < 1 || m_row >= rowCount()) return; // the fixed row is never shown as selected
    const InternalChange internal(m_internal);
    const int col = m_col >= 1 ? m_col : (columnCount() > 1 ? 1 : 0);
    setCurrentCell(m_row, col, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollToItem(item(m_row, col));
}

QModelIndex LineGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // Keys never move the current cell into the fixed row or column.
    const QModelIndex index = QTableWidget::moveCursor(action, modifiers);
    if (!index.isValid() || rowCount() < 2) return index;
    const int row = index.row() < 1 ? 1 : index.row();
    const int col = index.column() < 1 && columnCount() > 1 ? 1 : index.column();
    return model()->index(row, col);
}

void LineGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || index.row() < 1) {
        // The fixed row and the empty area below the rows do not move the current row.
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
    ShowCurrent();
}

void LineGrid::mouseMoveEvent(QMouseEvent* event) {
    // No drag selection: one row is current at a time.
    event->accept();
}

void LineGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || index.row() < 1) return event->accept();
    QTableWidget::mouseDoubleClickEvent(event);
    Raise(m_onDblClick);
}

// ---------------------------------------------------------------------------------------------
// Factories

QString CaptionName(const QString& caption) {
    QString name;
    name.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&') {
            if (i + 1 < caption.size() && caption.at(i + 1) == u'&') name += u'&';
            ++i;
            if (i < caption.size() && caption.at(i) != u'&') name += caption.at(i);
            continue;
        }
        name += caption.at(i);
    }
    while (!name.isEmpty() && (name.back() == u':' || name.back().isSpace()))
        name.chop(1);
    return name.trimmed();
}

namespace {

template <class W> W* Put(Form* form, W* control, const QString& name, Twips at) {
    control->setObjectName(name);
    control->setFont(WindowFont());
    form->Place(control, at);
    control->show();
    return control;
}

// Puts a control that is named by the caption label before it (when it has one).
template <class W>
W* PutNamed(Form* form, W* control, const QString& name, Twips at, QLabel* caption) {
    Put(form, control, name, at);
    if (caption) {
        caption->setBuddy(control);
        control->setAccessibleName(CaptionName(caption->text()));
    }
    return control;
}

} // namespace

QLabel* MakeLabel(Form* form, const QString& name, const QString& caption, Twips at) {
    auto* label = Put(form, new QLabel(caption, form), name, at);
    label->setAccessibleName(CaptionName(caption));
    return label;
}

QPushButton* MakeButton(Form* form, const QString& name, const QString& caption, Twips at) {
    auto* button = Put(form, new QPushButton(caption, form), name, at);
    button->setAccessibleName(CaptionName(caption));
    // Enter clicks the focused button, as Space does. Forms are no dialogs, so this makes no
    // button the window's default: Enter in a text box stays with the box.
    button->setAutoDefault(true);
    return button;
}

void SetCaption(QPushButton* button, const QString& caption) {
    button->setText(caption);
    button->setAccessibleName(CaptionName(caption));
}

QCheckBox* MakeCheckBox(Form* form, const QString& name, const QString& caption, Twips at) {
    auto* box = Put(form, new QCheckBox(caption, form), name, at);
    box->setAccessibleName(CaptionName(caption));
    return box;
}

namespace {

// A text box entered by Tab selects its text before Qt tells screen readers of the new focus:
// the caret's move reaches them first, and a reader then takes the focus event for a repeat and
// says nothing. Readers hear of the focus as it arrives, before the box handles it.
class FocusFirst : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn && QAccessible::isActive()) {
            QAccessibleEvent focus(watched, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
        return false;
    }
};

} // namespace

QLineEdit* MakeTextBox(Form* form, const QString& name, Twips at, QLabel* caption) {
    auto* box = PutNamed(form, new QLineEdit(form), name, at, caption);
    box->installEventFilter(new FocusFirst(box));
    return box;
}

QPlainTextEdit* MakeMultiLineTextBox(Form* form, const QString& name, Twips at, QLabel* caption) {
    auto* edit = PutNamed(form, new QPlainTextEdit(form), name, at, caption);
    edit->setTabChangesFocus(true);
    return edit;
}

ComboBox* MakeComboBox(Form* form, const QString& name, bool editable, Twips at, QLabel* caption) {
    return PutNamed(form, new ComboBox(editable, form), name, at, caption);
}

ListBox* MakeListBox(Form* form, const QString& name, Twips at, QLabel* caption) {
    return PutNamed(form, new ListBox(form), name, at, caption);
}

LineGrid* MakeGrid(Form* form, const QString& name, int cols, Twips at, QLabel* caption) {
    return PutNamed(form, new LineGrid(cols, form), name, at, caption);
}

void SetTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (!widget) continue;
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace toolkit
