#include "app/form1.h"
#include "chart/drawchart.h"

namespace tw {

void Form1::Form_Resize() {
  auto& w = c_.window;
  if (w.windowState() == ui::Minimized) return;
  const double W = w.width();
  const double H = w.height();
  // Each correction ends the pass: the size change runs a new one.
  if (W < 5000) {
    w.setWidth(5000);
    return;
  }
  if (H < 2500) {
    w.setHeight(2500);
    return;
  }
  c_.Picture1.setWidth(W - 350);
  c_.Picture1.setHeight(H - 1775);
  c_.DTPicker1.setTop(H - 1150);
  const double rowTop = c_.DTPicker1.top();
  c_.Command1.setTop(rowTop);
  c_.DTPicker2.setLeft(W / 2 - 120);
  c_.DTPicker2.setTop(rowTop);
  c_.Command2.setLeft(W / 2 - 1080);
  c_.Command2.setTop(rowTop);
  c_.DTPicker3.setLeft(W - 1425);
  c_.DTPicker3.setTop(rowTop);
  c_.Label3.setLeft(c_.DTPicker3.left() - 840);
  c_.Label3.setTop(rowTop + 60);
  drawchart();
}

void Form1::drawchart() { tw::drawchart(*this, s_.surface, s_.measure, s_.locale); }

}  // namespace tw
