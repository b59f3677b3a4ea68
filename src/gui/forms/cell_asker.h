#pragma once

class QLineEdit;

namespace vexa {

// Whatever answers a "Calculate" button: the position calculator. Asks for a cell to be
// written into target; with reset, the calculator starts again from "0", "0" and "0".
class CellAsker {
public:
    virtual void askForCell(QLineEdit* target, bool reset) = 0;

protected:
    ~CellAsker() = default;
};

} // namespace vexa
