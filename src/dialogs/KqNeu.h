#pragma once
// The dialog that adds a new group, ingredient, decoration or setup to its catalogue.

#include "toolkit/Form.h"

class KqNeu : public toolkit::SingleForm<KqNeu> {
public:
    KqNeu();

    // Prepares the dialog for a kind (1 group, 2 ingredient, 3 decoration,
    // 4 setup) and shows it.
    void Start(int callBy);
    int Kind() const { return m_kind; }

private:
    int m_kind = 0;
};
