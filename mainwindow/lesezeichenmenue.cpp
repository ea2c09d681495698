#include "mainwindow/lesezeichenmenue.h"

using namespace Qt::StringLiterals;

Lesezeichenmenue::Lesezeichenmenue(QWidget* eltern) : QMenu(eltern) {
    setObjectName(u"mnu_lesezeichen"_s);
    const auto eintrag = [this](const QString& name, const QString& text) {
        QAction* aktion = addAction(text);
        aktion->setObjectName(name);
        return aktion;
    };
    connect(eintrag(u"mnu_abbruch"_s, u"Abbrechen"_s), &QAction::triggered, this,
            &Lesezeichenmenue::abgebrochen);
    addSeparator()->setObjectName(u"Bindestrich"_s);
    for (int n = 1; n <= 3; ++n)
        connect(eintrag(u"lesezeichen%1setzen"_s.arg(n), u"Lesezeichen %1 setzen"_s.arg(n)),
                &QAction::triggered, this, [this, n] { Q_EMIT setzen(n); });
    addSeparator()->setObjectName(u"Bindestrich2"_s);
    for (int n = 1; n <= 3; ++n)
        connect(eintrag(u"lesezeichen%1abrufen"_s.arg(n), u"Lesezeichen %1 abrufen"_s.arg(n)),
                &QAction::triggered, this, [this, n] { Q_EMIT abrufen(n); });
}
