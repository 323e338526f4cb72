#include "web/Ablage.h"

#include "web/Homepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace web {

namespace {

const QString kEntwurf = QStringLiteral(".velkor-homepage-entwurf-XXXXXX");
// How a hidden folder of the program's begins (the rest is six letters or digits).
const QString kEntwurfAnfang = QStringLiteral(".velkor-homepage-entwurf-");
// Files put in place (or moved aside) between two questions whether to go on.
constexpr int kFrage = 256;
const QString kAlt = QStringLiteral(".alt");

QString Anzeigepfad(const QString& pfad) {
    return QDir::toNativeSeparators(pfad);
}

// Whether anything (a link too) stands at the path: one call of the system, as a site has
// tens of thousands of files.
bool Steht(const QString& pfad) {
    struct stat st {};
    return ::lstat(QFile::encodeName(pfad).constData(), &st) == 0;
}

// Moves a file, replacing one of the same name; the reason in the system's words when it fails.
QString Verschieben(const QString& von, const QString& nach) {
    if (std::rename(QFile::encodeName(von).constData(), QFile::encodeName(nach).constData()) == 0)
        return {};
    return QString::fromLocal8Bit(std::strerror(errno));
}

// A file's identity as the list names it: its inode and the time it was last written, to the
// nanosecond. A file put in place of another may get the freed inode, never the same time.
QByteArray Kennung(const struct stat& st) {
    return QByteArray::number(quint64(st.st_ino)) + ':' +
           QByteArray::number(qint64(st.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qint64(st.st_mtim.tv_nsec));
}

// A path a list may name: relative, without "..", not the list or the hidden folder.
bool Zulässig(const QString& relativ) {
    return !relativ.isEmpty() && !QDir::isAbsolutePath(relativ) &&
           QDir::cleanPath(relativ) == relativ && relativ != QLatin1StringView("..") &&
           !relativ.startsWith(QLatin1StringView("../")) && !relativ.contains(u'\\') &&
           !relativ.startsWith(QLatin1StringView(".velkor-homepage"));
}

} // namespace

Ablage::Ablage(const QString& ordner) {
    if (ordner.trimmed().isEmpty()) throw Fehler(QStringLiteral("Es ist kein Ordner gewählt."));
    const QFileInfo info(ordner);
    const QString anzeige = Anzeigepfad(info.absoluteFilePath());
    if (info.exists() && !info.isDir())
        throw Fehler(QStringLiteral("„%1“ ist eine Datei, kein Ordner. Bitte wählen Sie einen "
                                    "leeren Ordner.")
                         .arg(anzeige));
    if (!info.exists()) {
        // Every folder made on the way, to be removed again when the export does not finish.
        QStringList fehlend;
        for (QFileInfo f(info.absoluteFilePath()); !f.exists() && !f.isRoot();
             f = QFileInfo(f.absolutePath()))
            fehlend.prepend(f.absoluteFilePath());
        for (const QString& pfad : fehlend) {
            if (!QDir().mkdir(pfad)) {
                OrdnerEntfernen();
                throw Fehler(QStringLiteral("Der Ordner „%1“ konnte nicht angelegt werden.")
                                 .arg(Anzeigepfad(pfad)));
            }
            m_angelegt << pfad;
        }
    }
    m_ordner = QFileInfo(info.absoluteFilePath()).canonicalFilePath();

    // One run at a time in a folder: the lock goes with the run, a killed one's too.
    m_sperre.fd =
        ::open(QFile::encodeName(m_ordner).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_sperre.fd < 0 || ::flock(m_sperre.fd, LOCK_EX | LOCK_NB) != 0) {
        const int fehler = errno;
        OrdnerEntfernen();
        if (fehler == EWOULDBLOCK)
            throw Fehler(QStringLiteral("In den Ordner „%1“ wird gerade eine Homepage "
                                        "geschrieben. Bitte warten Sie, bis das fertig ist.")
                             .arg(anzeige));
        throw Fehler(QStringLiteral("Der Ordner „%1“ lässt sich nicht öffnen (%2).")
                         .arg(anzeige, QString::fromLocal8Bit(std::strerror(fehler))));
    }

    // The hidden folders of earlier runs are the program's own, not the user's files.
    const QDir dir(m_ordner);
    QStringList entwürfe, fremd;
    for (const QString& name :
         dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QFileInfo f(dir.filePath(name));
        if (name.startsWith(kEntwurfAnfang) && name.size() == kEntwurf.size() && f.isDir() &&
            !f.isSymLink())
            entwürfe << name;
        else
            fremd << name;
    }
    const QFileInfo marke(Ziel(QString::fromLatin1(kMarke)));
    m_markeDa = marke.isFile() && !marke.isSymLink();
    if (!fremd.isEmpty() && !m_markeDa)
        throw Fehler(QStringLiteral("Der Ordner „%1“ enthält Dateien, die nicht von Velkor-DB "
                                    "stammen. Bitte wählen Sie einen leeren Ordner.")
                         .arg(anzeige));
    if (m_markeDa) {
        QFile liste(marke.filePath());
        if (!liste.open(QIODevice::ReadOnly))
            throw Fehler(QStringLiteral("Die Liste der Homepage im Ordner „%1“ lässt sich nicht "
                                        "lesen (%2).")
                             .arg(anzeige, liste.errorString()));
        for (const QByteArray& zeile : liste.readAll().split('\n')) {
            // "path", or "path<tab>identity[ identity]" since the list names the identity of
            // each file (two while a site replaces another).
            const qsizetype tab = zeile.indexOf('\t');
            const QString relativ = QString::fromUtf8(zeile.left(tab).trimmed());
            const QList<QByteArray> kennungen =
                tab < 0 ? QList<QByteArray>() : zeile.mid(tab + 1).trimmed().split(' ');
            const QFileInfo datei(Ziel(relativ));
            struct stat st {};
            // Only a plain file inside the folder is the earlier site's, and only the very file
            // the list names: a link, a folder or another file put there since is the user's.
            if (Zulässig(relativ) &&
                ::lstat(QFile::encodeName(datei.filePath()).constData(), &st) == 0 &&
                S_ISREG(st.st_mode) && (tab < 0 || kennungen.contains(Kennung(st))) &&
                Innerhalb(datei.absolutePath())) {
                m_alt.insert(relativ);
                m_altKennung.insert(relativ, Kennung(st));
            }
        }
    }
    EntwürfeEntfernen(entwürfe);

    m_entwurf = std::make_unique<QTemporaryDir>(m_ordner + u'/' + kEntwurf);
    if (!m_entwurf->isValid()) {
        const QString grund = m_entwurf->errorString();
        m_entwurf.reset();
        OrdnerEntfernen();
        throw Fehler(QStringLiteral("Die Homepage konnte nicht geschrieben werden: In den Ordner "
                                    "„%1“ lässt sich nicht schreiben (%2).")
                         .arg(anzeige, grund));
    }
}

Ablage::~Ablage() {
    Zurücknehmen();
    m_entwurf.reset();
    OrdnerEntfernen();
}

Ablage::Sperre::~Sperre() {
    if (fd >= 0) ::close(fd);
}

void Ablage::EntwürfeEntfernen(const QStringList& entwürfe) {
    // No other run writes here (the lock), so none of them is in use. Links inside are
    // removed, never followed.
    for (const QString& name : entwürfe)
        QDir(Ziel(name)).removeRecursively();
}

QByteArray Ablage::Liste(const QStringList& dateien, bool beide) const {
    QByteArray liste;
    for (const QString& relativ : dateien) {
        QByteArrayList kennungen;
        if (m_kennung.contains(relativ)) kennungen << m_kennung.value(relativ);
        if ((beide || kennungen.isEmpty()) && m_altKennung.contains(relativ))
            kennungen << m_altKennung.value(relativ);
        liste += relativ.toUtf8() + '\t' + kennungen.join(' ') + '\n';
    }
    return liste;
}

// Folders made for this export go again unless it was put in place (then the list is empty).
void Ablage::OrdnerEntfernen() {
    for (auto it = m_angelegt.crbegin(); it != m_angelegt.crend(); ++it)
        QDir().rmdir(*it);
    m_angelegt.clear();
}

bool Ablage::Innerhalb(const QString& pfad) const {
    const QString echt = QFileInfo(pfad).canonicalFilePath();
    return echt == m_ordner || echt.startsWith(m_ordner + u'/');
}

void Ablage::Unterordner(const QString& name) {
    if (!QDir(m_entwurf->path()).mkdir(name))
        Scheitern(QStringLiteral("Der Ordner „%1“ ließ sich nicht anlegen.").arg(name));
}

void Ablage::Schreiben(const QString& relativ, const QByteArray& inhalt) {
    // Straight through the system: a new file (never one that stands), every byte written, the
    // closing checked. A full disk or a size limit fails here with the system's reason.
    const int fd = ::open(QFile::encodeName(m_entwurf->filePath(relativ)).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    int fehler = fd < 0 ? errno : 0;
    for (qsizetype geschrieben = 0; !fehler && geschrieben < inhalt.size();) {
        const ssize_t n = ::write(fd, inhalt.constData() + geschrieben,
                                  static_cast<std::size_t>(inhalt.size() - geschrieben));
        if (n > 0)
            geschrieben += n;
        else if (n == 0 || errno != EINTR)
            fehler = n == 0 ? EIO : errno;
    }
    struct stat st {};
    if (!fehler && ::fstat(fd, &st) == 0) m_kennung.insert(relativ, Kennung(st));
    if (fd >= 0 && ::close(fd) != 0 && !fehler) fehler = errno;
    if (fehler)
        Scheitern(QStringLiteral("Die Datei „%1“ ließ sich nicht schreiben (%2).")
                      .arg(relativ, QString::fromLocal8Bit(std::strerror(fehler))));
    m_geschrieben << relativ;
}

void Ablage::Scheitern(const QString& grund) {
    Zurücknehmen();
    throw Fehler(QStringLiteral("Die Homepage konnte nicht geschrieben werden: ") + grund +
                 QStringLiteral(" Der Ordner ist unverändert."));
}

void Ablage::Einsetzen(const std::function<bool()>& weiter) {
    int schritte = 0;
    const auto fragen = [&] {
        if (++schritte % kFrage == 0 && weiter && !weiter()) {
            Zurücknehmen();
            throw Abgebrochen();
        }
    };
    const QString entwurf = m_entwurf->path();
    const QString alt = entwurf + u'/' + kAlt;
    const QString marke = QString::fromLatin1(kMarke);

    // A file of the new site where something the earlier one did not write stands: nothing is
    // touched.
    QSet<QString> ordnerGeprüft;
    for (const QString& relativ : std::as_const(m_geschrieben)) {
        if (!m_alt.contains(relativ) && Steht(Ziel(relativ)))
            throw Fehler(QStringLiteral("Im Ordner „%1“ steht schon „%2“, das nicht von "
                                        "Velkor-DB stammt. Bitte wählen Sie einen leeren Ordner.")
                             .arg(Anzeigepfad(m_ordner), relativ));
        const QFileInfo ziel(Ziel(relativ));
        if (ordnerGeprüft.contains(ziel.absolutePath())) continue;
        ordnerGeprüft.insert(ziel.absolutePath());
        if (ziel.absolutePath() != m_ordner && QFileInfo(ziel.absolutePath()).exists() &&
            (!QFileInfo(ziel.absolutePath()).isDir() || !Innerhalb(ziel.absolutePath())))
            throw Fehler(QStringLiteral("Im Ordner „%1“ steht schon „%2“, das nicht von "
                                        "Velkor-DB stammt. Bitte wählen Sie einen leeren Ordner.")
                             .arg(Anzeigepfad(m_ordner), QFileInfo(relativ).path()));
    }

    const QByteArray liste = Liste(m_geschrieben, false);
    QByteArray beide = Liste(m_geschrieben, true);
    const QSet<QString> neu(m_geschrieben.cbegin(), m_geschrieben.cend());
    QStringList nurAlt;
    for (const QString& relativ : std::as_const(m_alt))
        if (!neu.contains(relativ)) nurAlt << relativ;
    beide += Liste(nurAlt, true);
    Schreiben(marke + QStringLiteral(".beide"), beide);
    Schreiben(marke, liste);
    m_geschrieben.removeLast();
    m_geschrieben.removeLast();
    if (!QDir().mkdir(alt))
        Scheitern(QStringLiteral("Der Entwurfsordner ließ sich nicht anlegen."));

    // A copy of the earlier list aside, then one naming both sites' files put in its place in
    // one step: whatever happens from here on, the folder has a list, and every file this
    // program wrote stays listed.
    QString grund;
    if (m_markeDa) {
        QFile liste(Ziel(marke));
        if (!liste.copy(alt + u'/' + marke))
            Scheitern(
                QStringLiteral("Die Liste ließ sich nicht sichern (%1).").arg(liste.errorString()));
        m_markeWeggelegt = true;
    }
    grund = Verschieben(entwurf + u'/' + marke + QStringLiteral(".beide"), Ziel(marke));
    if (!grund.isEmpty())
        Scheitern(QStringLiteral("Die Liste ließ sich nicht schreiben (%1).").arg(grund));
    m_markeGeschrieben = true;

    // The earlier site's files aside.
    for (const QString& relativ : std::as_const(m_alt)) {
        fragen();
        const QString nach = alt + u'/' + relativ;
        QDir().mkpath(QFileInfo(nach).absolutePath());
        grund = Verschieben(Ziel(relativ), nach);
        if (!grund.isEmpty())
            Scheitern(QStringLiteral("„%1“ ließ sich nicht ersetzen (%2).").arg(relativ, grund));
        m_weggelegt << relativ;
    }
    // The new ones in place.
    QSet<QString> ordnerDa;
    for (const QString& relativ : std::as_const(m_geschrieben)) {
        fragen();
        const QString ordner = QFileInfo(Ziel(relativ)).absolutePath();
        if (!ordnerDa.contains(ordner) && !QFileInfo(ordner).isDir()) {
            if (!QDir().mkdir(ordner))
                Scheitern(QStringLiteral("Der Ordner „%1“ ließ sich nicht anlegen.")
                              .arg(Anzeigepfad(ordner)));
            m_angelegt << ordner;
        }
        ordnerDa.insert(ordner);
        grund = Verschieben(entwurf + u'/' + relativ, Ziel(relativ));
        if (!grund.isEmpty())
            Scheitern(QStringLiteral("„%1“ ließ sich nicht an seinen Platz legen (%2).")
                          .arg(relativ, grund));
        m_eingesetzt << relativ;
    }
    // The list last.
    grund = Verschieben(entwurf + u'/' + marke, Ziel(marke));
    if (!grund.isEmpty())
        Scheitern(QStringLiteral("Die Liste ließ sich nicht schreiben (%1).").arg(grund));
    // Done: the earlier files go with the hidden folder, the folders made stay.
    m_weggelegt.clear();
    m_eingesetzt.clear();
    m_markeWeggelegt = m_markeGeschrieben = false;
    m_angelegt.clear();
}

void Ablage::Zurücknehmen() {
    if (!m_entwurf) return;
    const QString alt = m_entwurf->path() + u'/' + kAlt;
    const QString marke = QString::fromLatin1(kMarke);
    for (const QString& relativ : std::as_const(m_eingesetzt))
        QFile::remove(Ziel(relativ));
    for (const QString& relativ : std::as_const(m_weggelegt))
        Verschieben(alt + u'/' + relativ, Ziel(relativ));
    if (m_markeWeggelegt)
        Verschieben(alt + u'/' + marke, Ziel(marke));
    else if (m_markeGeschrieben)
        QFile::remove(Ziel(marke));
    m_eingesetzt.clear();
    m_weggelegt.clear();
    m_markeWeggelegt = m_markeGeschrieben = false;
}

} // namespace web
