#include "editor/editormeldung.h"

#include "kit/meldung.h"

void warnen(QWidget* fenster, const QString& text) {
    meldung::zeigen(fenster, QMessageBox::Warning, fensterTitel, text);
}

QString problemListe(const std::vector<Problem>& probleme) {
    QString text;
    for (const auto& p : probleme)
        text += QStringLiteral("• ") + QString::fromStdString(p.text) + QLatin1Char('\n');
    return text.trimmed();
}
