#pragma once
// The window "Homepage erzeugen": writes the whole collection as a static web site into a folder
// the user chose, on a thread of its own so that the other windows keep working, with a progress
// bar and a button that cancels.

#include "toolkit/Form.h"

#include <QString>
#include <atomic>
#include <functional>
#include <thread>

class QLabel;
class QProgressBar;
class QPushButton;

class KqHomepage : public toolkit::SingleForm<KqHomepage> {
public:
    KqHomepage();
    ~KqHomepage() override;

    // The menu's "Homepage-erzeugen": asks for the folder, starting at the one chosen last time,
    // and writes the site there. Nothing happens when the user cancels the question.
    static void Erzeugen();
    // Asks for a folder: the desktop's folder dialog, opened at the one given. Empty when the
    // user cancels. Tests replace it.
    static std::function<QString(const QString& vorher)> OrdnerWählen;

    // Shows the window and writes the site into ordner. While a site is being written, only
    // shows the window.
    void Start(const QString& ordner);
    // True while a site is being written.
    bool Läuft() const { return m_arbeit.joinable(); }
    // Cancels the writing and waits until it has ended, the folder as it was.
    void Anhalten();

    // Event handlers.
    void BAbbrechen_Click();

    // Controls.
    QLabel* LOrdner() const { return m_lOrdner; }
    QProgressBar* PFortschritt() const { return m_pFortschritt; }
    QPushButton* BAbbrechen() const { return m_bAbbrechen; }

protected:
    // Closing the window cancels the writing and waits for it to end.
    void Form_Unload() override;

private:
    // Runs on the window's thread once the writing has ended; meldung is empty after a cancel.
    void Beendet(int seiten, const QString& startseite, const QString& meldung);

    QLabel* m_lOrdner = nullptr;
    QProgressBar* m_pFortschritt = nullptr;
    QPushButton* m_bAbbrechen = nullptr;
    QString m_ordner;
    std::thread m_arbeit;
    std::atomic<bool> m_abbrechen{false};
};
