#pragma once
// The main menu: a narrow strip at the top-left corner of the screen with five
// image buttons. Three open the working windows, two are not built yet.
// Closing it ends the program.

#include "toolkit/Form.h"

#include <array>

class QLabel;
class ZebKnopf;

class KqMenü : public toolkit::SingleForm<KqMenü> {
public:
    KqMenü();

    ZebKnopf* BMenüKnopf(int index) const { return m_knöpfe.at(static_cast<std::size_t>(index)); }
    QLabel* Label1() const { return m_label1; }

    void BMenüKnopf_Click(int Index);

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    std::array<ZebKnopf*, 5> m_knöpfe{};
    QLabel* m_label1 = nullptr;
};
