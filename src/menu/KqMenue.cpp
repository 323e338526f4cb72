#include "menu/KqMenue.h"

#include "entry/KqCocktailAendern.h"
#include "entry/KqCocktailEingabe.h"
#include "menu/PropertyBag.h"
#include "menu/ZebKnopf.h"
#include "modul/HauptModul.h"
#include "stock/KqZutaten.h"
#include "toolkit/Controls.h"
#include "toolkit/MsgBox.h"
#include "toolkit/Trap.h"
#include "viewer/KqRezepte.h"
#include "web/KqHomepage.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>

namespace {

const char* const kLabels[] = {"Velkor", "Zutatenliste", "Erfassen", "Ändern", "Homepage-erzeugen"};

// The stored properties of image button index, as the menu keeps them: the
// design data with the button pictures it names.
PropertyBag StoredProperties(int index) {
    PropertyBag bag;
    QFile file(QStringLiteral(":/menu/KqMenue.json"));
    if (!file.open(QIODevice::ReadOnly)) return bag;
    const QJsonArray buttons = QJsonDocument::fromJson(file.readAll())
                                   .object()
                                   .value(QStringLiteral("BMenüKnopf"))
                                   .toArray();
    const QJsonObject stored = buttons.at(index).toObject();
    for (auto it = stored.begin(); it != stored.end(); ++it) {
        QVariant value = it.value().toVariant();
        if (it.key().startsWith(QLatin1String("bild"), Qt::CaseInsensitive)) {
            QFile picture(QStringLiteral(":/menu/bilder/") + it.value().toString());
            if (picture.open(QIODevice::ReadOnly)) value = picture.readAll();
        }
        bag.WriteProperty(it.key(), value);
    }
    return bag;
}

} // namespace

KqMenü::KqMenü() {
    setObjectName(QStringLiteral("KqMenü"));
    SetCaption(QStringLiteral("Velkor-DB Hauptmenü"));
    SetInnerSize(12030, 735);

    for (int i = 0; i < 5; ++i) {
        auto* knopf = new ZebKnopf(this);
        knopf->setObjectName(QStringLiteral("BMenüKnopf%1").arg(i));
        knopf->setAccessibleName(QString::fromUtf8(kLabels[i]));
        Place(knopf, {120 + 1560 * i, 120, 1485, 630});
        knopf->UserControl_ReadProperties(StoredProperties(i));
        QObject::connect(knopf, &ZebKnopf::Click, this,
                         toolkit::Trapped([this, i] { BMenüKnopf_Click(i); }));
        m_knöpfe[static_cast<std::size_t>(i)] = knopf;
    }
    m_label1 =
        toolkit::MakeLabel(this, QStringLiteral("Label1"),
                           QStringLiteral("Velkor-DB\nVersion 1.03"), {8160, 120, 3495, 495});
    toolkit::SetTabOrder({m_knöpfe[0], m_knöpfe[1], m_knöpfe[2], m_knöpfe[3], m_knöpfe[4]});
}

void KqMenü::Form_Load() {
    move(0, 0);
    m_knöpfe[0]->setFocus();
}

void KqMenü::BMenüKnopf_Click(int Index) {
    switch (Index) {
    case 0:
        KqRezepte::Instance().Show();
        break;
    case 1:
        KqZutaten::Instance().Show();
        break;
    case 2:
        KqCocktailEingabe::Instance().Show();
        break;
    case 3:
        KqCocktailÄndern::Instance().Show();
        break;
    case 4:
        KqHomepage::Erzeugen();
        break;
    default:
        break;
    }
}

void KqMenü::Form_Unload() {
    HauptModul::Beenden();
}
