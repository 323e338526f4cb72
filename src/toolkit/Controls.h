#pragma once
// Controls with the classic semantics (AddItem, ListIndex, Click, KeyPress ...) and factories
// that put them on a form at a place given in twips.
//
// Events: each control has one handler per event (setting another replaces it). Handlers run
// through Trapped, so a failure inside one is reported and the program goes on.

#include "toolkit/Form.h"

#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QTableWidget>
#include <functional>
#include <initializer_list>

class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QPlainTextEdit;
class QPushButton;

namespace toolkit {

// keyAscii is the character code of the key (13 for Enter, 8 for Backspace, 27 for Escape);
// setting it to 0 swallows the key, setting another code types that character instead.
using KeyPressHandler = std::function<void(int& keyAscii)>;

// A combo box: editable (free text with a list) or a pure drop-down list.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(bool editable, QWidget* parent = nullptr);

    // Appends an entry; never changes the selection or the text, raises nothing.
    void AddItem(const QString& item);
    // Adds the entries in their order, as AddItem one after another would.
    void AddItems(const QStringList& items);
    // Empties list and text; raises nothing.
    void Clear();
    int ListCount() const { return count(); }
    // Entry at index, empty when there is none.
    QString List(int index) const;
    // Selected entry, -1 for none (also when the typed text is not the selected entry).
    int ListIndex() const;
    // Selects an entry from code (-1 clears the selection and, when editable, the text) and
    // raises Click when the index changes. Throws std::out_of_range for an invalid index.
    void SetListIndex(int index);
    // Editable: the typed text. List: the selected entry or empty.
    QString Text() const;
    // Editable: sets the text. List: selects the entry with exactly this text (empty clears
    // the selection); throws std::invalid_argument for text that is not in the list.
    void SetText(const QString& text);

    void OnClick(std::function<void()> handler) { m_onClick = std::move(handler); }
    void OnKeyPress(KeyPressHandler handler) { m_onKeyPress = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void RaiseClick();

    std::function<void()> m_onClick;
    KeyPressHandler m_onKeyPress;
    bool m_typingEnter = false;
};

// A list box with single selection.
class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);

    // Appends an entry; never changes the selection, raises nothing.
    void AddItem(const QString& item);
    // Adds the entries in their order, as AddItem one after another would.
    void AddItems(const QStringList& items);
    // Removes an entry; entries below move up. Removing the selected entry leaves nothing
    // selected. Raises nothing. Throws std::out_of_range for an invalid index.
    void RemoveItem(int index);
    // Empties the list; raises nothing.
    void Clear();
    int ListCount() const { return count(); }
    QString List(int index) const;
    int ListIndex() const;
    // Selects from code (-1 clears); raises Click when the index changes.
    // Throws std::out_of_range for an invalid index.
    void SetListIndex(int index);
    // The selected entry or empty.
    QString Text() const;

    // Click: the selection changed (user's click or key, or SetListIndex).
    void OnClick(std::function<void()> handler) { m_onClick = std::move(handler); }
    void OnDblClick(std::function<void()> handler) { m_onDblClick = std::move(handler); }
    void OnKeyPress(KeyPressHandler handler) { m_onKeyPress = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    void SelectionChanged();
    void Silently(const std::function<void()>& change);

    std::function<void()> m_onClick;
    std::function<void()> m_onDblClick;
    KeyPressHandler m_onKeyPress;
    int m_last = -1;
    int m_silent = 0;
};

// A line grid: row 0 and column 0 are fixed (shaded header cells), Qt's own headers are
// hidden, the user cannot type into it, and clicking a cell makes its row the current row.
// Code reads and writes the cell at (Row, Col).
class LineGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit LineGrid(int cols, QWidget* parent = nullptr);

    int Rows() const { return rowCount(); }
    // Grows with empty rows or shrinks from the end; never below the fixed row.
    void SetRows(int rows);
    int Cols() const { return columnCount(); }
    int Row() const { return m_row; }
    // Also makes a non-fixed row the selected row the user sees.
    // Throws std::out_of_range for a row that does not exist.
    void SetRow(int row);
    int Col() const { return m_col; }
    // Throws std::out_of_range for a column that does not exist.
    void SetCol(int col);
    // Cell at (Row, Col).
    QString Text() const;
    void SetText(const QString& text);
    // Any cell, without moving Row and Col. Throws std::out_of_range outside the grid.
    QString TextAt(int row, int col) const;
    void SetTextAt(int row, int col, const QString& text);
    // Removes a non-fixed row; rows below move up. Throws std::out_of_range otherwise.
    void RemoveItem(int row);
    void SetColWidth(int col, int twips);
    // What each column holds, as screen readers name it ("Spalte 1" and so on until set).
    void SetColumnNames(const QStringList& names) { m_columnNames = names; }
    QString ColumnName(int col) const;

    // Click: the user clicked a cell of a non-fixed row; DblClick: double-clicked one.
    void OnClick(std::function<void()> handler) { m_onClick = std::move(handler); }
    void OnDblClick(std::function<void()> handler) { m_onDblClick = std::move(handler); }

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyboardSearch(const QString&) override {}
    // Screen readers hear of the current cell and the chosen line in the grid's own table of
    // lines, not in the numbering of Qt's table.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    void FillRow(int row);
    QTableWidgetItem* Cell(int row, int col) const;
    void ShowCurrent();

    std::function<void()> m_onClick;
    std::function<void()> m_onDblClick;
    int m_row = 1;
    int m_col = 1;
    int m_internal = 0;
    QStringList m_columnNames;
};

// Factories: create a control on form at its place in twips, with object name,
// window font and accessible name. A caption label becomes the control's buddy and names it.
QLabel* MakeLabel(Form* form, const QString& name, const QString& caption, Twips at);
QPushButton* MakeButton(Form* form, const QString& name, const QString& caption, Twips at);
QCheckBox* MakeCheckBox(Form* form, const QString& name, const QString& caption, Twips at);
QLineEdit* MakeTextBox(Form* form, const QString& name, Twips at, QLabel* caption = nullptr);
QPlainTextEdit* MakeMultiLineTextBox(Form* form, const QString& name, Twips at,
                                     QLabel* caption = nullptr);
ComboBox* MakeComboBox(Form* form, const QString& name, bool editable, Twips at,
                       QLabel* caption = nullptr);
ListBox* MakeListBox(Form* form, const QString& name, Twips at, QLabel* caption = nullptr);
LineGrid* MakeGrid(Form* form, const QString& name, int cols, Twips at, QLabel* caption = nullptr);

// Changes a button's caption and the name a screen reader says with it.
void SetCaption(QPushButton* button, const QString& caption);

// Keyboard focus moves through the widgets in this order (null entries are skipped).
void SetTabOrder(std::initializer_list<QWidget*> widgets);

// A caption as a name: mnemonic '&' removed ("&&" stays one '&'), trailing ':' and blanks cut.
QString CaptionName(const QString& caption);

} // namespace toolkit
