#pragma once
// The main menu: a narrow strip at the top-left corner of the screen. Closing
// it ends the program.

#include "toolkit/Form.h"

class KqMenü : public toolkit::SingleForm<KqMenü> {
public:
    KqMenü();

protected:
    void Form_Load() override;
    void Form_Unload() override;
};
