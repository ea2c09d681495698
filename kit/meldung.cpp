#include "kit/meldung.h"

#include <QInputDialog>
#include <QLabel>

namespace meldung {
namespace {

Kasten ersatzKasten;
Eingabe ersatzEingabe;

} // namespace

QMessageBox::StandardButton zeigen(QWidget* eltern, QMessageBox::Icon symbol, const QString& titel,
                                   const QString& text, QMessageBox::StandardButtons knoepfe) {
    if (ersatzKasten)
        return ersatzKasten(eltern, symbol, titel, text, knoepfe);
    QMessageBox kasten(symbol, titel, text, knoepfe, eltern);
    return static_cast<QMessageBox::StandardButton>(kasten.exec());
}

std::optional<QString> erfragen(QWidget* eltern, const QString& titel, const QString& frage) {
    if (ersatzEingabe)
        return ersatzEingabe(eltern, titel, frage);
    QInputDialog dialog(eltern);
    dialog.setWindowTitle(titel);
    dialog.setLabelText(frage);
    // A long question wraps rather than making the dialog wider than the main window.
    for (auto* label : dialog.findChildren<QLabel*>())
        label->setWordWrap(true);
    if (eltern)
        dialog.setMaximumWidth(eltern->window()->width());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

Ersatz::Ersatz(Kasten kasten, Eingabe eingabe) {
    ersatzKasten = std::move(kasten);
    // A test that gives no answers to questions cancels them: no real dialog may wait.
    ersatzEingabe = eingabe ? std::move(eingabe)
                            : [](QWidget*, const QString&,
                                 const QString&) -> std::optional<QString> { return std::nullopt; };
}

Ersatz::~Ersatz() {
    ersatzKasten = {};
    ersatzEingabe = {};
}

} // namespace meldung
