// The photocell scaling graph of frmB3DimmerOutput: three grips dragged with the
// mouse or stepped with the arrow keys; the points are stored on every pointer
// movement over the graph and on every key.

#include "core/modB3Dimmers.h"
#include "dimmers/engine/dimmerLists.h"
#include "dimmers/frmB3DimmerOutput.h"
#include "dimmers/scalePicture.h"
#include "platform/latin1.h"
#include "platform/twips.h"

namespace {

// The frame starts level with the first list, below the outer frame's top line that
// its title would otherwise sit on, and ends level with the lower copy button.
constexpr int kFrameTop = 240;
constexpr int kFrameHeight = 3480;
// The row under the picture (which ends at 3240): the input scale and the grip's
// readings, clear of the frame's bottom line.
constexpr int kBottomRowTop = 3240;
constexpr int kBottomRowHeight = 225;

VbLabel* scaleLabel(QWidget* parent, const QString& caption, int left, int top, int width, Qt::Alignment alignment,
                    int height = 240)
{
    auto* label = placed(new VbLabel(parent), left, top, width, height);
    label->setCaption(caption);
    label->setAlignment(alignment);
    return label;
}

} // namespace

void frmB3DimmerOutput::buildScaleGraph()
{
    frmScale = placed(new QGroupBox(QStringLiteral("PhotoCell Input To Dimmer Output Scaling"), frmConfig), 5550, kFrameTop,
                      4905, kFrameHeight);
    picScale = new ScalePicture(scale, frmScale);
    picScale->move(twipsToPixels(720), twipsToPixels(240));
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    scaleLabel(frmScale, QStringLiteral("10 V"), 60, 240, 600, right);
    scaleLabel(frmScale, QStringLiteral("0 V"), 60, 3000, 600, right);
    scaleLabel(frmScale, QStringLiteral("0"), 720, kBottomRowTop, 600, Qt::AlignLeft | Qt::AlignVCenter, kBottomRowHeight);
    scaleLabel(frmScale, QStringLiteral("255"), 4065, kBottomRowTop, 600, right, kBottomRowHeight);
    lblVoltage = scaleLabel(frmScale, {}, 60, 1560, 615, right);
    // The grip's readings share the row of the input scale, between its two ends.
    lblPercent = scaleLabel(frmScale, {}, 1440, kBottomRowTop, 1095, Qt::AlignCenter, kBottomRowHeight);
    lblFootCandle = scaleLabel(frmScale, {}, 2640, kBottomRowTop, 1095, Qt::AlignCenter, kBottomRowHeight);
    hideGripTexts();

    connect(picScale, &ScalePicture::MouseDown, this, &frmB3DimmerOutput::picScale_MouseDown);
    connect(picScale, &ScalePicture::MouseMove, this, &frmB3DimmerOutput::picScale_MouseMove);
    connect(picScale, &ScalePicture::MouseUp, this, [this] { picScale_MouseUp(); });
    connect(picScale, &ScalePicture::KeyDown, this, &frmB3DimmerOutput::picScale_KeyDown);
}

void frmB3DimmerOutput::placeGrips()
{
    scale.place({{DimGetPointAIn(iDDev, iDOut), DimGetPointAOut(iDDev, iDOut)},
                 {DimGetPointBIn(iDDev, iDOut), DimGetPointBOut(iDDev, iDOut)},
                 {DimGetPointCIn(iDDev, iDOut), DimGetPointCOut(iDDev, iDOut)}});
}

void frmB3DimmerOutput::DrawLines()
{
    scale.setTwoPoint(cboPCTrack->ListIndex() == kTrackingTwoPointPosition);
    picScale->update();
}

void frmB3DimmerOutput::picScale_MouseDown(double X, double Y)
{
    if (!scale.mouseDown(X, Y)) {
        hideGripTexts();
        return;
    }
    picScale_MouseMove(X, Y);
}

void frmB3DimmerOutput::picScale_MouseMove(double X, double Y)
{
    const int over = scale.mouseMove(X, Y);
    DrawLines();
    if (over != 0) showGripTexts(over);
    else hideGripTexts();
    storePoints();
}

void frmB3DimmerOutput::picScale_MouseUp()
{
    scale.mouseUp();
    hideGripTexts();
}

void frmB3DimmerOutput::picScale_KeyDown(int KeyCode)
{
    if (!scale.keyDown(KeyCode, DimGetPCTrack(iDDev, iDOut) == kTrackingTwoPoint)) return;
    DrawLines();
    showGripTexts(scale.keyGrip());
    storePoints();
}

void frmB3DimmerOutput::showGripTexts(int grip)
{
    const GripTexts texts = scale.texts(grip);
    lblPercent->setCaption(toQ(texts.input));
    lblFootCandle->setCaption(toQ(texts.footCandle));
    lblVoltage->setCaption(toQ(texts.voltage));
    for (VbLabel* label : {lblPercent, lblFootCandle, lblVoltage}) label->show();
}

void frmB3DimmerOutput::hideGripTexts()
{
    for (VbLabel* label : {lblPercent, lblFootCandle, lblVoltage}) label->hide();
}

void frmB3DimmerOutput::storePoints()
{
    const ScalePoints p = scale.points();
    DimSetPointAOut(iDDev, iDOut, p.a.percent);
    DimSetPointAIn(iDDev, iDOut, p.a.in);
    DimSetPointCOut(iDDev, iDOut, p.c.percent);
    DimSetPointCIn(iDDev, iDOut, p.c.in);
    DimSetPointBOut(iDDev, iDOut, p.b.percent);
    DimSetPointBIn(iDDev, iDOut, p.b.in);
}
