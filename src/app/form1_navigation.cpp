#include "app/form1.h"

namespace tw {

void Form1::BirthdayError(Date date) {
  s_.messages.MsgBox("You can't display a biorhythm chart with a\r\n"
                     "chart date before they were born!\r\n"
                     "\r\n"
                     "Setting chart date to " +
                         DateToString(date) + ".",
                     ui::vbInformation, "Tidewell");
  chartdate = date;
  c_.DTPicker3.setValue(chartdate);
}

void Form1::DTPicker1_Change() {
  birthdate = c_.DTPicker1.value();
  birthname.clear();
  drawchart();
}

void Form1::DTPicker2_Change() {
  birthdate2 = c_.DTPicker2.value();
  drawchart();
}

void Form1::DTPicker3_Change() {
  chartdate = c_.DTPicker3.value();
  const auto type = ChartOptions.chartType;
  if (type == 0 || type == 1) {
    if (chartdate < birthdate) BirthdayError(birthdate);
    if (type == 1 && chartdate < birthdate2) BirthdayError(birthdate2);
  }
  drawchart();
}

void Form1::goForward(int days) {
  // The pickers end at 31 December 9999; stepping past it stays there.
  chartdate = clampDate(static_cast<long long>(chartdate) + days);
  c_.DTPicker3.setValue(chartdate);
  drawchart();
}

void Form1::goBack(int days) {
  const auto type = ChartOptions.chartType;
  bool allowed = true;
  if (type == 0 || type == 1) {
    if (static_cast<long long>(chartdate) - days < birthdate) {
      BirthdayError(birthdate);
      allowed = false;
    }
    // Worked out again: a refusal above has moved the chart date.
    if (type == 1 && static_cast<long long>(chartdate) - days < birthdate2) {
      BirthdayError(birthdate2);
      allowed = false;
    }
  }
  if (allowed) chartdate = clampDate(static_cast<long long>(chartdate) - days);
  c_.DTPicker3.setValue(chartdate);
  // Also after a refusal, so the chart matches the date the picker now shows.
  drawchart();
}

void Form1::MenuGoToday_Click() {
  chartdate = s_.clock.today();
  c_.DTPicker3.setValue(chartdate);
  drawchart();
}

void Form1::MenuGoTomorrow_Click() { goForward(1); }
void Form1::MenuGoNextWeek_Click() { goForward(7); }
void Form1::MenuGoNextMonth_Click() { goForward(28); }
void Form1::MenuGoYesterday_Click() { goBack(1); }
void Form1::MenuGoLastWeek_Click() { goBack(7); }
void Form1::MenuGoLastMonth_Click() { goBack(28); }

}  // namespace tw
