#pragma once
// The picture box of the photocell scaling graph: paints the grips and lines of a
// ScaleGraph and reports every pointer movement over it (button held or not), presses,
// releases and keys, with positions in twips as real numbers.

#include <QWidget>

class ScaleGraph;

class ScalePicture : public QWidget {
    Q_OBJECT
public:
    ScalePicture(const ScaleGraph& graph, QWidget* parent);

signals:
    void MouseDown(double X, double Y);
    void MouseMove(double X, double Y);
    void MouseUp(double X, double Y);
    // VB key codes: 37 Left, 38 Up, 39 Right, 40 Down; 0 for any other key.
    void KeyDown(int KeyCode);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const ScaleGraph& graph_;
};
