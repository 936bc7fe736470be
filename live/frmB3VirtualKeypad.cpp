#include "live/frmB3VirtualKeypad.h"

#include <QPushButton>

#include "link/engine/panelReplies.h"
#include "live/keypadGlyphs.h"
#include "link/panelPoll.h"
#include "platform/childFormRegistry.h"
#include "platform/twips.h"
#include "platform/vbControls.h"

B3_REGISTER_CHILD_FORM(frmB3VirtualKeypad)

namespace {

constexpr int kDisplayColumns = 20;
constexpr unsigned int kDisplayColour = 0xA0D0B0;
constexpr unsigned int kLampLitColour = 0xC0C0;
constexpr unsigned int kLampDarkColour = 0xC0C0C0;

LiveFormOptions keypadOptions()
{
    LiveFormOptions options;
    options.hasNoConnectionLabel = false;
    options.serialIntervalMs = 100;
    options.tcpIntervalMs = 250;
    return options;
}

int cellLeft(int cell) { return (cell % kDisplayColumns) * 375 + 1560; }
int cellTop(int cell) { return (cell / kDisplayColumns) * 720 + 2010; }

void colourKey(QPushButton* key, unsigned int bgr)
{
    QPalette p = key->palette();
    p.setColor(QPalette::Button, vbColor(bgr));
    key->setPalette(p);
}

} // namespace

frmB3VirtualKeypad::frmB3VirtualKeypad()
    : LiveForm(QStringLiteral("frmB3VirtualKeypad"), QStringLiteral("Virtual Keypad"), keypadOptions())
{
    // One backdrop for the whole display, so that cells showing a glyph keep its colour.
    placed(new VbLabel(this), 1440, 1890, 7740, 2835)->setBackColor(kDisplayColour);
    QFont displayFont = font();
    displayFont.setPointSize(14);
    for (int i = 0; i < kKeypadDisplayLength; ++i) {
        const auto at = static_cast<std::size_t>(i);
        lblLCD[at] = placed(new VbLabel(this), cellLeft(i), cellTop(i), 375, 495);
        lblLCD[at]->setFont(displayFont);
        lblLCD[at]->setAlignment(Qt::AlignCenter);
        imgCustomChar[at] = placed(new QLabel(this), cellLeft(i), cellTop(i) + 120, 375, 375);
        imgCustomChar[at]->setAlignment(Qt::AlignCenter);
        imgCustomChar[at]->hide();
    }
    for (int code = 0; code < kKeypadCustomGlyphs; ++code) {
        QLabel* source = imgSourceChar[static_cast<std::size_t>(code)] = new QLabel(this);
        source->setPixmap(KeypadGlyph(code));
        source->hide();
    }
    for (int k = 0; k < kKeypadKeys; ++k) {
        QPushButton* key = cmdKey[static_cast<std::size_t>(k)] = placed(
            new QPushButton(k == kKeypadKeys - 1 ? QStringLiteral("Both") : QString(), this), 1560 + 1080 * k, 5160, 855, 495);
        colourKey(key, kLampDarkColour);
        // Keys 0 to 5 carry no caption: a screen reader still has to tell them apart.
        if (k < kKeypadKeys - 1) key->setAccessibleName(QStringLiteral("Key %1").arg(k + 1));
        connect(key, &QPushButton::clicked, this, [this, k] { cmdKey_Click(k); });
    }
}

void frmB3VirtualKeypad::Form_Activate()
{
    mirror.forgetDrawn();
    LiveForm::Form_Activate();
}

void frmB3VirtualKeypad::cmdKey_Click(int Index) { mirror.pressKey(Index); }

void frmB3VirtualKeypad::ShowFromGW()
{
    // A failed poll passes silently: the display stays as drawn and the key goes out
    // again with the next poll.
    const auto reply = QueryPanelStatus(this, mirror.nextPoll(), QueryFailure::IsSilent);
    if (!reply) return;
    const auto keypad = DecodeKeypad(*reply);
    if (!keypad) return;
    mirror.pollAnswered();
    for (int cell : mirror.cellsToDraw(keypad->display))
        drawCell(cell, static_cast<unsigned char>(keypad->display[static_cast<std::size_t>(cell)]));
    if (mirror.lampsToApply(keypad->lamps)) applyLamps(keypad->lamps);
}

void frmB3VirtualKeypad::drawCell(int cell, int code)
{
    const auto at = static_cast<std::size_t>(cell);
    const bool glyph = code < kKeypadCustomGlyphs;
    if (glyph) imgCustomChar[at]->setPixmap(imgSourceChar[static_cast<std::size_t>(code)]->pixmap());
    else lblLCD[at]->setCaption(QString(QChar(code)));
    lblLCD[at]->setVisible(!glyph);
    imgCustomChar[at]->setVisible(glyph);
}

void frmB3VirtualKeypad::applyLamps(int lamps)
{
    for (int k = 0; k < kKeypadLampKeys; ++k)
        colourKey(cmdKey[static_cast<std::size_t>(k)], (lamps & (1 << k)) != 0 ? kLampLitColour : kLampDarkColour);
}
