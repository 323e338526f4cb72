#pragma once
// The program's image button: shows one picture at rest and another while a
// mouse button or Space is held on it, draws a dotted frame while it has the
// focus and raises Click when released over it; Enter clicks it at once.

#include <QPixmap>
#include <QWidget>
#include <cstdint>

class PropertyBag;

class ZebKnopf : public QWidget {
    Q_OBJECT
public:
    explicit ZebKnopf(QWidget* parent = nullptr);

    // Colours are 32-bit colour values: red in the lowest byte, then green and
    // blue; with the highest bit set, the low byte is a system colour number.
    std::uint32_t BackColor() const { return m_backColor; }
    void SetBackColor(std::uint32_t colour);
    std::uint32_t FrameColor() const { return m_frameColor; }
    void SetFrameColor(std::uint32_t colour);
    // The resting picture; setting it shows it at once.
    QPixmap Image1() const { return m_bild1; }
    void SetImage1(const QPixmap& picture);
    // The pressed picture; setting it changes nothing that is shown.
    QPixmap Image2() const { return m_bild2; }
    void SetImage2(const QPixmap& picture);

    // What the surface shows now, and whether the focus frame is visible.
    QPixmap Picture() const { return m_surface; }
    bool FrameVisible() const { return m_rahmenVisible; }
    QRect FrameRect() const { return m_rahmen; }

    // Stored properties: "BackColor", "FrameColor", "Bild1", "Bild2".
    void UserControl_InitProperties();
    void UserControl_ReadProperties(const PropertyBag& bag);
    void UserControl_WriteProperties(PropertyBag& bag) const;

    // Raises Click, as a click with the mouse does (the accessible press action).
    void Press();

    QSize sizeHint() const override;

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void UserControl_Show();
    void UserControl_MouseDown();
    void UserControl_MouseUp();
    void UserControl_Click();
    void UserControl_GotFocus();
    void UserControl_LostFocus();
    void UserControl_Resize();
    void ShowPicture(const QPixmap& picture);

    std::uint32_t m_backColor;
    std::uint32_t m_frameColor;
    QPixmap m_bild1;
    QPixmap m_bild2;
    QPixmap m_surface;
    QRect m_rahmen;
    bool m_rahmenVisible = false;
    bool m_pressed = false;
    bool m_spaceDown = false; // Space was pressed on this button and is held
};

// The colour a 32-bit colour value stands for (system colours from the palette).
QColor ColourOf(std::uint32_t colour);

// Registers the accessible description of image buttons (a push button named
// by its label, with a press action). Called once at start.
void InstallZebKnopfAccessibility();
