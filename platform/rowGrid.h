#pragma once
// Where row i of a form's grid stands, whatever the cells (labels, text boxes,
// pictures): `linesPerColumn` rows to a column (row i in column Int(i / 16), line
// i Mod 16 by default), in twips from the form's own offsets. The editors and the
// live status forms lay out their rows alike through this.

struct GridGeometry {
    int firstTop = 0;   // Top of line 0
    int columnPitch = 3600;
    int linePitch = 360;
    int linesPerColumn = 16;
    int rows = 48;

    constexpr int left(int row, int offset) const { return (row / linesPerColumn) * columnPitch + offset; }
    constexpr int top(int row) const { return (row % linesPerColumn) * linePitch + firstTop; }
};
