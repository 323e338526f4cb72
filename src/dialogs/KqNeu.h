#pragma once
// The dialog that adds a new group, ingredient, decoration or setup to its catalogue. The kind
// (Katalog) is given by the window that opens it; after "Hinzufügen" that window's list is
// refilled, so the new entry can be chosen at once. An empty name or one of nothing but blanks is
// refused and the dialog stays open; the boxes never hold half of a character beyond the 16-bit
// range.

#include "toolkit/Form.h"

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class KqNeu : public toolkit::SingleForm<KqNeu> {
public:
    KqNeu();

    // The catalogue a new entry goes into.
    enum Katalog : int { Gruppe = 1, Zutat = 2, Deko = 3, Setup = 4 };

    // Relabels the dialog for a kind and shows it; what is typed stays. Other kinds change
    // nothing but the kind.
    void Start(Katalog callBy);
    Katalog Kind() const { return m_kind; }

    // The refill of the list of the window that opens the dialog for a kind. The windows that
    // open it are built on this dialog, not the other way round, so each of them hands its
    // refill in here (from its constructor); the refill loads its window, hidden, when that was
    // closed meanwhile.
    static void SetzeAuffrischen(Katalog callBy, std::function<void()> auffrischen);

    // Event handlers.
    void BHinzufügen_Click();
    void BAbbrechen_Click();

    // Controls.
    QLineEdit* EName() const { return m_eName; }
    QLineEdit* EBeschreibung() const { return m_eBeschreibung; }
    QCheckBox* AAlkohol() const { return m_aAlkohol; }
    QCheckBox* AGetränk() const { return m_aGetränk; }
    QPushButton* BHinzufügen() const { return m_bHinzufügen; }

private:
    Katalog m_kind{};
    QLabel* m_aName = nullptr;
    QLineEdit* m_eName = nullptr;
    QLineEdit* m_eBeschreibung = nullptr;
    QCheckBox* m_aAlkohol = nullptr;
    QCheckBox* m_aGetränk = nullptr;
    QPushButton* m_bHinzufügen = nullptr;
};
