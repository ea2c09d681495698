#include "kit/nebenfenster.h"

#include "kit/entwurf.h"
#include "kit/hauptfenster.h"

#include <QCloseEvent>

Nebenfenster::Nebenfenster(Hauptfenster& haupt, const QString& titel, QSize groesse,
                           QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), haupt(haupt) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(titel);
    setFixedSize(groesse);
    entwurfsSchrift(*this);
}

void Nebenfenster::closeEvent(QCloseEvent* ereignis) {
    Form_QueryUnload();
    ereignis->accept();
}

QString Nebenfenster::pfad(const QString& datei) const {
    return haupt.programmOrdner() + datei;
}
