#include "web/KqHomepage.h"

#include "modul/HauptModul.h"
#include "toolkit/Controls.h"
#include "toolkit/MsgBox.h"
#include "toolkit/Trap.h"
#include "web/Homepage.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QUrl>

namespace {

const QString kOrdnerSchlüssel = QStringLiteral("homepage/ordner");

} // namespace

std::function<QString(const QString&)> KqHomepage::OrdnerWählen = [](const QString& vorher) {
    return QFileDialog::getExistingDirectory(nullptr, QStringLiteral("Ordner für die Homepage"),
                                             vorher.isEmpty() ? QDir::homePath() : vorher);
};

KqHomepage::KqHomepage() {
    using namespace toolkit;
    // The program ends only once the writing has taken back what it did (the folder as it was).
    static const bool angemeldet = [] {
        HauptModul::VorDemEnde([] {
            if (IsLoaded()) Loaded()->Anhalten();
        });
        return true;
    }();
    (void)angemeldet;
    setObjectName(QStringLiteral("KqHomepage"));
    SetCaption(QStringLiteral("Homepage erzeugen"));
    SetInnerSize(6375, 1575);

    m_lOrdner = MakeLabel(this, QStringLiteral("LOrdner"), QString(), {120, 120, 6135, 495});
    m_lOrdner->setWordWrap(true);
    m_pFortschritt = new QProgressBar(this);
    m_pFortschritt->setObjectName(QStringLiteral("PFortschritt"));
    m_pFortschritt->setAccessibleName(QStringLiteral("Fortschritt"));
    Place(m_pFortschritt, {120, 720, 6135, 255});
    m_pFortschritt->show();
    m_bAbbrechen = MakeButton(this, QStringLiteral("BAbbrechen"), QStringLiteral("Abbrechen"),
                              {4800, 1080, 1455, 375});
    SetTabOrder({m_bAbbrechen});
    m_bAbbrechen->setFocus();
    ConnectClick(m_bAbbrechen, this, [this] { BAbbrechen_Click(); });
}

KqHomepage::~KqHomepage() {
    Anhalten();
}

void KqHomepage::Erzeugen() {
    // One site at a time: a second press shows the window of the one being written.
    if (IsLoaded() && Loaded()->Läuft()) return Loaded()->Show();
    QSettings einstellungen(QStringLiteral("Velkor-DB"), QStringLiteral("Velkor-DB"));
    const QString ordner = OrdnerWählen(einstellungen.value(kOrdnerSchlüssel).toString());
    if (ordner.isEmpty()) return;
    einstellungen.setValue(kOrdnerSchlüssel, ordner);
    Instance().Start(ordner);
}

void KqHomepage::Start(const QString& ordner) {
    Show();
    if (Läuft()) return;
    m_ordner = QDir::toNativeSeparators(ordner);
    m_lOrdner->setText(QStringLiteral("Die Homepage wird nach „") + m_ordner +
                       QStringLiteral("“ geschrieben."));
    m_lOrdner->setAccessibleName(m_lOrdner->text());
    m_pFortschritt->setRange(0, 0);
    m_abbrechen = false;
    const QString datei = HauptModul::OffeneDatenbank().Name();
    // The site is read on a connection of its own and written on this thread; the window only
    // hears of its progress and its end, on its own thread.
    m_arbeit = std::thread([this, datei, ordner] {
        int seiten = 0;
        QString startseite, meldung;
        try {
            const web::Ergebnis ergebnis =
                web::HomepageErzeugen(datei, ordner, [this](int fertig, int alle) {
                    QMetaObject::invokeMethod(
                        this,
                        [this, fertig, alle] {
                            m_pFortschritt->setRange(0, alle);
                            m_pFortschritt->setValue(fertig);
                        },
                        Qt::QueuedConnection);
                    return !m_abbrechen;
                });
            seiten = ergebnis.seiten;
            startseite = ergebnis.startseite;
        } catch (const web::Abgebrochen&) {
        } catch (const web::Fehler& fehler) {
            meldung = fehler.Meldung();
        } catch (const std::exception& fehler) {
            meldung = QStringLiteral("Die Homepage konnte nicht geschrieben werden: ") +
                      QString::fromLocal8Bit(fehler.what());
        }
        QMetaObject::invokeMethod(
            this, [this, seiten, startseite, meldung] { Beendet(seiten, startseite, meldung); },
            Qt::QueuedConnection);
    });
}

void KqHomepage::Beendet(int seiten, const QString& startseite, const QString& meldung) {
    Anhalten();
    const QString ordner = m_ordner;
    Unload();
    if (!meldung.isEmpty()) {
        toolkit::MsgBox(meldung);
    } else if (!startseite.isEmpty() &&
               toolkit::MsgBox(QStringLiteral("Es wurden %1 Seiten nach „%2“ geschrieben. Soll "
                                              "die Startseite im Browser geöffnet werden?")
                                   .arg(seiten)
                                   .arg(ordner),
                               toolkit::vbYesNo) == toolkit::vbYes) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(startseite));
    }
}

void KqHomepage::Anhalten() {
    m_abbrechen = true;
    if (m_arbeit.joinable()) m_arbeit.join();
}

void KqHomepage::BAbbrechen_Click() {
    // The writing ends at its next step and leaves the folder as it was; the window then closes.
    m_abbrechen = true;
    if (!Läuft()) Unload();
}

void KqHomepage::Form_Unload() {
    Anhalten();
}
