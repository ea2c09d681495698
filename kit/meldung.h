#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// Every message box and every question of the program goes through here, so that
// tests can answer them without a window waiting for a click.
namespace meldung {

using Kasten = std::function<QMessageBox::StandardButton(QWidget* eltern, QMessageBox::Icon symbol,
                                                         const QString& titel, const QString& text,
                                                         QMessageBox::StandardButtons knoepfe)>;

// Asks for a line of text; none when the player cancels.
using Eingabe = std::function<std::optional<QString>(QWidget* eltern, const QString& titel,
                                                     const QString& frage)>;

inline const QString programmTitel = QStringLiteral("Lagerix 2000");

QMessageBox::StandardButton zeigen(QWidget* eltern, QMessageBox::Icon symbol, const QString& titel,
                                   const QString& text,
                                   QMessageBox::StandardButtons knoepfe = QMessageBox::Ok);

std::optional<QString> erfragen(QWidget* eltern, const QString& titel, const QString& frage);

// For tests: replaces the real dialogs while it lives; without `eingabe` every
// question is cancelled.
class Ersatz {
  public:
    explicit Ersatz(Kasten kasten, Eingabe eingabe = {});
    ~Ersatz();
    Ersatz(const Ersatz&) = delete;
    Ersatz& operator=(const Ersatz&) = delete;
};

} // namespace meldung
