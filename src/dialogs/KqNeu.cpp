#include "dialogs/KqNeu.h"

#include "dao/Text.h"
#include "modul/HauptModul.h"
#include "toolkit/Controls.h"
#include "toolkit/MsgBox.h"
#include "toolkit/Trap.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <array>

namespace {

// What each kind adds to: its table and the word for it, which labels the name.
struct Art {
    const char* tabelle;
    const char* wort;
};
const std::array<Art, 4> kArten = {{{"cocktailgruppen", "Gruppe"},
                                    {"zutaten", "Zutat"},
                                    {"deko", "Deko"},
                                    {"zutatensetup", "Setup-Name"}}};

bool Bekannt(int kind) {
    return kind >= 1 && kind <= static_cast<int>(kArten.size());
}

const Art& ArtVon(int kind) {
    return kArten.at(static_cast<std::size_t>(kind - 1));
}

std::array<std::function<void()>, 4>& Auffrischen() {
    static std::array<std::function<void()>, 4> auffrischen;
    return auffrischen;
}

// Keeps a box free of halves of characters. A box that takes only so many characters cuts what
// is typed or pasted at its length, and a character beyond the 16-bit range (an emoji) is two
// of them: cut between the two, the half left over would be stored as a replacement sign, a
// name different from the one the box shows. Such a half is left out.
class GanzeZeichen : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        if (input.isValidUtf16()) return Acceptable;
        QString ganz;
        ganz.reserve(input.size());
        int cursor = pos;
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QChar c = input.at(i);
            const bool paar =
                c.isHighSurrogate() && i + 1 < input.size() && input.at(i + 1).isLowSurrogate();
            if (paar) {
                ganz += c;
                ganz += input.at(++i);
            } else if (c.isSurrogate()) {
                if (i < pos) --cursor;
            } else {
                ganz += c;
            }
        }
        input = ganz;
        pos = cursor;
        return Acceptable;
    }
};

} // namespace

KqNeu::KqNeu() {
    using namespace toolkit;
    setObjectName(QStringLiteral("KqNeu"));
    SetCaption(QStringLiteral("Hinzufügen"));
    SetDialog();
    SetInnerSize(4815, 2340);

    m_aName =
        MakeLabel(this, QStringLiteral("AName"), QStringLiteral("Name"), {120, 120, 1455, 255});
    m_eName = MakeTextBox(this, QStringLiteral("EName"), {1680, 120, 3015, 360}, m_aName);
    m_eName->setMaxLength(50);
    m_eName->setValidator(new GanzeZeichen(m_eName));
    QLabel* aBeschreibung = MakeLabel(this, QStringLiteral("ABeschreibung"),
                                      QStringLiteral("Beschreibung"), {120, 600, 1455, 255});
    m_eBeschreibung =
        MakeTextBox(this, QStringLiteral("EBeschreibung"), {1680, 600, 3015, 360}, aBeschreibung);
    m_eBeschreibung->setMaxLength(128);
    m_eBeschreibung->setValidator(new GanzeZeichen(m_eBeschreibung));
    m_aAlkohol = MakeCheckBox(this, QStringLiteral("AAlkohol"), QStringLiteral("Alkoholisch"),
                              {1680, 1080, 2535, 255});
    m_aGetränk = MakeCheckBox(this, QStringLiteral("AGetränk"), QStringLiteral("ist ein Getränk"),
                              {1680, 1380, 2535, 255});
    m_aGetränk->setChecked(true);
    m_bHinzufügen = MakeButton(this, QStringLiteral("BHinzufügen"), QStringLiteral("Hinzufügen"),
                               {1680, 1800, 1455, 375});
    QPushButton* bAbbrechen = MakeButton(this, QStringLiteral("BAbbrechen"),
                                         QStringLiteral("Abbrechen"), {3240, 1800, 1455, 375});

    SetTabOrder({m_eName, m_eBeschreibung, m_aAlkohol, m_bHinzufügen, bAbbrechen, m_aGetränk});
    m_eName->setFocus();

    ConnectClick(m_bHinzufügen, this, [this] { BHinzufügen_Click(); });
    ConnectClick(bAbbrechen, this, [this] { BAbbrechen_Click(); });
}

void KqNeu::SetzeAuffrischen(Katalog callBy, std::function<void()> auffrischen) {
    if (Bekannt(callBy)) Auffrischen().at(static_cast<std::size_t>(callBy - 1)) = auffrischen;
}

// ---------------------------------------------------------------------------------------------
// Public routines

void KqNeu::Start(Katalog callBy) {
    if (Bekannt(callBy)) {
        const QString wort = QString::fromUtf8(ArtVon(callBy).wort);
        m_aName->setText(wort);
        m_aName->setAccessibleName(wort);
        m_eName->setAccessibleName(wort);
        m_aAlkohol->setVisible(callBy == Zutat);
        m_aGetränk->setVisible(callBy == Zutat);
    }
    m_kind = callBy;
    Show();
}

// ---------------------------------------------------------------------------------------------
// Event handlers

void KqNeu::BHinzufügen_Click() {
    // No caller opens the dialog for another kind: there is no table to add to.
    if (!Bekannt(m_kind)) return;
    const Katalog kind = m_kind;
    // No name, or one of nothing but blanks, could not be told apart in any list: the dialog
    // stays open for one to be typed.
    if (m_eName->text().trimmed().isEmpty()) {
        toolkit::MsgBox(QStringLiteral("Bitte geben Sie einen Namen ein!"));
        m_eName->setFocus();
        return;
    }
    // A failing statement leaves this handler before anything is stored; the dialog stays open
    // with what was typed, and the failure is reported with its number and text.
    dao::Recordset rs = HauptModul::OffeneDatenbank().OpenRecordset(
        QStringLiteral("SELECT * FROM ") + QString::fromUtf8(ArtVon(kind).tabelle) +
        QStringLiteral(" WHERE ucase(name) = ") + dao::Quoted(dao::UCase(m_eName->text())) +
        QStringLiteral(" "));
    if (rs.Eof()) {
        rs.AddNew();
        rs.Fields(1) = dao::Value(m_eName->text());
        rs.Fields(2) = dao::Value(m_eBeschreibung->text());
        if (kind == Zutat) {
            rs.Fields(3) = dao::Value(m_aAlkohol->isChecked() ? 1 : 0);
            rs.Fields(4) = dao::Value(m_aGetränk->isChecked() ? 1 : 0);
        }
        rs.Update();
    } else {
        toolkit::MsgBox(QStringLiteral("Eine ") + m_aName->text() +
                        QStringLiteral(" unter diesem Namen ist bereits vorhanden!"));
    }
    rs.Close();
    if (const std::function<void()>& auffrischen =
            Auffrischen().at(static_cast<std::size_t>(kind - 1)))
        auffrischen();
    Unload();
}

void KqNeu::BAbbrechen_Click() {
    Unload();
}
