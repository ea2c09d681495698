#pragma once

#include "kit/klickfeld.h"

// A label that reads as a link: blue, underlined, a pointing hand over it.
class Verweis : public Klickfeld {
    Q_OBJECT

  public:
    explicit Verweis(QWidget* parent);
};
