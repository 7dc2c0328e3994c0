// The studio's axes page: the sample sheet of a horizontal and a vertical
// axis meeting at one origin and a grid axis, drawn to fit the page; a
// double-click on a part opens its parameter dialog and redraws the result.
#pragma once

#include "StudioPage.h"

#include "axis/AxisSampleSheet.h"
#include "platform/gdi/CDC.h"

class AxesPage : public StudioPage {
public:
    explicit AxesPage(QWidget* parent = nullptr);

    AxisSampleSheet& Sheet() noexcept { return m_sheet; }
    // What a double-click at a pixel does: opens the part's dialog.
    bool EditAt(const QPoint& pixel) override;

protected:
    int mapMode() const override { return MM_HIMETRIC; }
    void draw(CDC* dc) override { m_sheet.Draw(dc); }

private:
    AxisSampleSheet m_sheet;
};
