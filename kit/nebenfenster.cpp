#include "kit/nebenfenster.h"

#include "kit/entwurf.h"
#include "kit/hauptfenster.h"

#include <QCloseEvent>
#include <QKeyEvent>

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

// A control that has no use for Escape passes it on to its window.
void Nebenfenster::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(ereignis);
}

QString Nebenfenster::pfad(const QString& datei) const {
    return haupt.programmOrdner() + datei;
}
