// Every window as a screen reader and a keyboard user meet it: each control found in the
// window's accessible tree by its German name and role, no control without a name, list entries
// offered with their text, Tab and Shift+Tab through the controls in order, and each kind of
// control worked by its key. The windows are opened by keys on the buttons that open them.

#include "ProgramTest.h"
#include "menu/KqMenue.h"
#include "menu/ZebKnopf.h"

#include <QAccessible>
#include <QListWidget>
#include <QMetaEnum>
#include <algorithm>
#include <functional>

namespace {

using QA = QAccessible;

struct Control {
    const char* name;
    QA::Role role;
};

// How the user opens a window: a key on the button of that name in the window of title from.
struct Via {
    const char* from;
    const char* button;
    Qt::Key key;
};

struct Window {
    const char* id;
    const char* title;
    Via via;                       // none: the menu, shown at the program's start
    std::vector<Control> controls; // in tab order, the first one focused when it opens
    std::function<void(QWidget* window)> prepare = {};
};

// Gives a control the focus in its window, made the active one.
void Focus(QWidget* control) {
    control->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(control->window()));
    control->setFocus(Qt::TabFocusReason);
}

QWidget* Widget(QAccessibleInterface* node) {
    return node ? qobject_cast<QWidget*>(node->object()) : nullptr;
}

QWidget* TopLevel(const QString& title) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == title) return w;
    return nullptr;
}

// Presses key on a button; the window of that title it opened, active, or null.
QWidget* Opens(QWidget* button, Qt::Key key, const char* title) {
    if (!button) return nullptr;
    Focus(button);
    QTest::keyClick(button, key);
    QWidget* opened = TopLevel(QString::fromUtf8(title));
    return opened && QTest::qWaitForWindowActive(opened) ? opened : nullptr;
}

// Every node below the window's that is shown. A combo box is one control: its text field and
// its drop-down list are parts of it, named by it.
void Collect(QAccessibleInterface* node, std::vector<QAccessibleInterface*>& nodes) {
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible) continue;
        nodes.push_back(child);
        if (child->role() != QA::ComboBox) Collect(child, nodes);
    }
}

std::vector<QAccessibleInterface*> Nodes(QWidget* window) {
    std::vector<QAccessibleInterface*> nodes;
    Collect(QAccessible::queryAccessibleInterface(window), nodes);
    return nodes;
}

QAccessibleInterface* Find(QWidget* window, const Control& control) {
    std::vector<QAccessibleInterface*> found;
    for (QAccessibleInterface* node : Nodes(window))
        if (node->role() == control.role && node->text(QA::Name) == QString::fromUtf8(control.name))
            found.push_back(node);
    EXPECT_EQ(found.size(), 1u) << control.name;
    return found.size() == 1 ? found.front() : nullptr;
}

// "Name / Role", as messages show it.
std::string Describe(const QString& name, QA::Role role) {
    return name.toStdString() + " / " + QMetaEnum::fromType<QA::Role>().valueToKey(role);
}

std::string Describe(QAccessibleInterface* node) {
    return node ? Describe(node->text(QA::Name), node->role()) : "(nichts)";
}

std::string Describe(const Control& c) {
    return Describe(QString::fromUtf8(c.name), c.role);
}

std::string Focused() {
    return Describe(QAccessible::queryAccessibleInterface(QApplication::focusWidget()));
}

// Controls a screen reader user works with: they need a name.
bool Interactive(QAccessibleInterface* node) {
    static const QA::Role roles[] = {QA::PushButton,   QA::CheckBox, QA::RadioButton, QA::ComboBox,
                                     QA::EditableText, QA::SpinBox,  QA::Slider,      QA::List,
                                     QA::ListItem,     QA::Table,    QA::Tree,        QA::Link};
    const QWidget* w = Widget(node);
    return (w && w->focusPolicy() != Qt::NoFocus) || std::ranges::count(roles, node->role()) > 0;
}

// What a control shows that its key changes: text, check mark, chosen entries or row.
QString Value(QAccessibleInterface* node) {
    QString value = node->text(QA::Value) + (node->state().checked ? u'☑' : u'☐');
    if (QAccessibleTableInterface* table = node->tableInterface())
        for (QAccessibleInterface* cell : table->selectedCells())
            value += QString::number(cell->tableCellInterface()->rowIndex()) + cell->text(QA::Name);
    return value;
}

// The key that works a focused control of this role. Buttons are worked by the keys that open
// the windows here; the recipe sheet only scrolls.
Qt::Key WorkingKey(QA::Role role) {
    switch (role) {
    case QA::CheckBox:
        return Qt::Key_Space;
    case QA::ComboBox:
    case QA::List:
    case QA::Table:
        return Qt::Key_Down;
    case QA::EditableText:
        return Qt::Key_X;
    default:
        return Qt::Key_unknown;
    }
}

const std::vector<Window> kWindows = {
    {"KqMenue",
     "Velkor-DB Hauptmenü",
     {},
     {{"Velkor", QA::PushButton},
      {"Zutatenliste", QA::PushButton},
      {"Erfassen", QA::PushButton},
      {"Ändern", QA::PushButton},
      {"Homepage-erzeugen", QA::PushButton}}},
    {"KqRezepte",
     "Rezepte anzeigen",
     {"Velkor-DB Hauptmenü", "Velkor", Qt::Key_Space},
     {{"Cocktail", QA::ComboBox}, {"Anzeigen", QA::PushButton}, {"Rezept", QA::StaticText}}},
    {"KqZutaten",
     "Mit Zutaten mixbare Cocktails",
     {"Velkor-DB Hauptmenü", "Zutatenliste", Qt::Key_Return},
     {{"Zutaten", QA::List},
      {"Cocktails", QA::List},
      {"Hinzufügen", QA::PushButton},
      {"Entfernen", QA::PushButton},
      {"Info", QA::PushButton},
      {"Details", QA::PushButton},
      {"Setup", QA::ComboBox},
      {"Neu", QA::PushButton},
      {"Abbruch", QA::PushButton},
      {"Ideale Zutat", QA::PushButton},
      {"nur Getränke beachten", QA::CheckBox}}},
    {"KqZutatenAuswahl",
     "Zutaten Hinzufügen",
     {"Mit Zutaten mixbare Cocktails", "Hinzufügen", Qt::Key_Space},
     {{"Zutat", QA::ComboBox}, {"Hinzufügen", QA::PushButton}, {"Fertig", QA::PushButton}}},
    {"KqCocktailEingabe",
     "Cocktail",
     {"Velkor-DB Hauptmenü", "Erfassen", Qt::Key_Enter},
     {{"Cocktail", QA::EditableText},
      {"Gruppe", QA::ComboBox},
      {"Neu (Gruppe)", QA::PushButton},
      {"Beschreibung", QA::EditableText},
      {"Zutaten", QA::Table},
      {"Neu (Zutaten)", QA::PushButton},
      {"Edit (Zutaten)", QA::PushButton},
      {"Del (Zutaten)", QA::PushButton},
      {"Dekoration", QA::Table},
      {"Neu (Dekoration)", QA::PushButton},
      {"Edit (Dekoration)", QA::PushButton},
      {"Del (Dekoration)", QA::PushButton},
      {"Zubereitung", QA::EditableText},
      {"Bewertung", QA::EditableText},
      {"Erfunden wann/von", QA::EditableText},
      {"Url", QA::EditableText},
      {"Hinzufügen", QA::PushButton},
      {"Abbrechen", QA::PushButton},
      {"Z. Übern.", QA::PushButton}},
     // A line in each grid, typed into its dialog and confirmed with Enter, gives the arrow
     // keys a row to move to.
     [](QWidget* window) {
         for (const auto& [button, title, text] :
              {std::tuple{"Neu (Zutaten)", "Zutaten", "Gin"},
               std::tuple{"Neu (Dekoration)", "Dekoration", "Minzzweig"}}) {
             const QWidget* dialog =
                 Opens(Widget(Find(window, {button, QA::PushButton})), Qt::Key_Space, title);
             ASSERT_NE(dialog, nullptr) << title;
             QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(text));
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
             ASSERT_FALSE(dialog->isVisible()) << title;
         }
     }},
    {"KqCocktailZutaten",
     "Zutaten",
     {"Cocktail", "Neu (Zutaten)", Qt::Key_Space},
     {{"Zutat", QA::ComboBox},
      {"Menge (Zutat)", QA::EditableText},
      {"Einheit (Zutat)", QA::ComboBox},
      {"Neu", QA::PushButton},
      {"Variation", QA::ComboBox},
      {"Menge (Variation)", QA::EditableText},
      {"Einheit (Variation)", QA::ComboBox},
      {"Beschreibung", QA::EditableText},
      {"Pflichtzutat", QA::CheckBox},
      {"Hinzufügen", QA::PushButton},
      {"Abbrechen", QA::PushButton}}},
    {"KqCocktailDeko",
     "Dekoration",
     {"Cocktail", "Neu (Dekoration)", Qt::Key_Return},
     {{"Dekoration", QA::ComboBox},
      {"Neu", QA::PushButton},
      {"Beschreibung", QA::EditableText},
      {"Hinzufügen", QA::PushButton},
      {"Abbrechen", QA::PushButton}}},
    {"KqNeu",
     "Hinzufügen",
     {"Zutaten", "Neu", Qt::Key_Space},
     {{"Zutat", QA::EditableText},
      {"Beschreibung", QA::EditableText},
      {"Alkoholisch", QA::CheckBox},
      {"Hinzufügen", QA::PushButton},
      {"Abbrechen", QA::PushButton},
      {"ist ein Getränk", QA::CheckBox}}},
};

class A11yTest : public ProgramTest, public ::testing::WithParamInterface<Window> {
protected:
    // Opens the window the way the user does; null when it did not open.
    QWidget* Open(const Window& window) {
        if (!window.via.from) {
            Start();
            return QTest::qWaitForWindowActive(&KqMenü::Instance()) ? &KqMenü::Instance() : nullptr;
        }
        const auto from = std::find_if(kWindows.begin(), kWindows.end(), [&](const Window& w) {
            return QString::fromUtf8(w.title) == QString::fromUtf8(window.via.from);
        });
        QWidget* opener = Open(*from);
        return opener ? Opens(Widget(Find(opener, {window.via.button, QA::PushButton})),
                              window.via.key, window.title)
                      : nullptr;
    }
};

} // namespace

TEST_P(A11yTest, EveryControlIsNamedInTheTreeAndWorkedByKeysInTabOrder) {
    const Window& window = GetParam();
    QWidget* form = Open(window);
    ASSERT_NE(form, nullptr) << window.title;
    const std::vector<Control>& controls = window.controls;
    EXPECT_EQ(Focused(), Describe(controls.front())) << "focused when the window opens";
    if (window.prepare) window.prepare(form);

    for (const Control& control : controls)
        Find(form, control);
    for (QAccessibleInterface* node : Nodes(form)) {
        EXPECT_FALSE(Interactive(node) && node->text(QA::Name).trimmed().isEmpty())
            << Describe(node) << " has no name, its parent is " << Describe(node->parent());
        // A list box offers each entry with its text.
        if (auto* list = qobject_cast<QListWidget*>(Widget(node))) {
            ASSERT_EQ(node->childCount(), list->count());
            for (int i = 0; i < list->count(); ++i)
                EXPECT_EQ(node->child(i)->text(QA::Name), list->item(i)->text());
        }
    }

    // From the first control on, each is worked by its key, then Tab moves on to the next; after
    // the last it wraps around to the first. Shift+Tab goes back the same way.
    QWidget* first = Widget(Find(form, controls.front()));
    ASSERT_NE(first, nullptr);
    Focus(first);
    const std::size_t n = controls.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Control& control = controls[i];
        if (const Qt::Key key = WorkingKey(control.role); key != Qt::Key_unknown) {
            QAccessibleInterface* node =
                QAccessible::queryAccessibleInterface(QApplication::focusWidget());
            const QString before = Value(node);
            QTest::keyClick(QApplication::focusWidget(), key);
            EXPECT_NE(Value(node), before) << control.name << " does not answer its key";
            ASSERT_EQ(Focused(), Describe(control));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(Focused(), Describe(controls[(i + 1) % n])) << "Tab from " << control.name;
    }
    for (std::size_t i = 1; i <= n; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        ASSERT_EQ(Focused(), Describe(controls[(n - i) % n])) << "after Shift+Tab " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Fenster, A11yTest, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.id); });

// Space on a menu button shows its pressed picture while held and clicks when released; the
// focus moving on while Space is held takes the press back, and no other button clicks.
using MenuKeysTest = ProgramTest;

TEST_F(MenuKeysTest, SpaceClicksOnlyTheButtonItWasPressedOn) {
    Start();
    KqMenü& menu = KqMenü::Instance();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&menu));
    ZebKnopf* velkor = menu.BMenüKnopf(0);
    const auto shows = [](ZebKnopf* k, const QPixmap& p) {
        return k->Picture().toImage() == p.toImage();
    };
    velkor->setFocus();
    QTest::keyPress(velkor, Qt::Key_Space);
    EXPECT_TRUE(shows(velkor, velkor->Image2()));
    QTest::keyClick(velkor, Qt::Key_Tab);
    EXPECT_TRUE(shows(velkor, velkor->Image1()));
    ASSERT_EQ(QApplication::focusWidget(), menu.BMenüKnopf(1));
    QTest::keyRelease(menu.BMenüKnopf(1), Qt::Key_Space);
    EXPECT_EQ(toolkit::LoadedFormCount(), 1);

    QTest::keyPress(menu.BMenüKnopf(1), Qt::Key_Space);
    EXPECT_EQ(toolkit::LoadedFormCount(), 1);
    QTest::keyRelease(menu.BMenüKnopf(1), Qt::Key_Space);
    EXPECT_NE(TopLevel(QStringLiteral("Mit Zutaten mixbare Cocktails")), nullptr);
}
