#include "kit/knopf.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void Knopf::paintEvent(QPaintEvent*) {
    QStylePainter maler(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    maler.drawControl(QStyle::CE_PushButton, option);
    const QRect feld = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    maler.drawItemText(feld, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), text(),
                       QPalette::ButtonText);
}
