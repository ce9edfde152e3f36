#include "platform/windows/qt_about_box.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "platform/drawing/icons.h"
#include "platform/system/ui_text.h"

namespace tw::platform {

namespace {
constexpr int kIconSize = 32;

// The icon as the box shows it: on the box's own ground, every pixel opaque.
QImage iconOnGround(const QColor& ground) {
  QImage img(kIconSize, kIconSize, QImage::Format_RGB32);
  img.fill(ground);
  QPainter p(&img);
  p.drawImage(0, 0, programIconImage(kIconSize));
  return img;
}
}  // namespace

IconBox::IconBox(const QImage& picture, QWidget* parent)
    : QWidget(parent), picture_(picture), shown_(picture) {
  setFixedSize(picture.size());
}

void IconBox::invert() {
  shown_.invertPixels();
  update();
}

void IconBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, shown_);
}

void IconBox::mouseDoubleClickEvent(QMouseEvent*) {
  if (onDoubleClick) onDoubleClick();
}

void QtLabel::setText(const std::string& text) {
  text_ = text;
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  label_->setText(shown);
}

AboutWidgets::AboutWidgets(QWidget* parent)
    : dialog(std::make_unique<QDialog>(parent)),
      icon(new IconBox(iconOnGround(dialog->palette().color(QPalette::Window)), dialog.get())),
      title(new QLabel(dialog.get())),
      notice(new QLabel(dialog.get())),
      contact(new QLabel(dialog.get())),
      separator(new QFrame(dialog.get())),
      okButton(new QPushButton(qtText(C_("About box", "OK")), dialog.get())),
      systemInfoButton(new QPushButton(qtText(C_("About box", "&System Info...")), dialog.get())),
      window(dialog.get(), kDialogFrame),
      titleLabel(title),
      noticeLabel(notice),
      contactLabel(contact),
      messages(dialog.get()) {
  // A fixed box: a title and a close button, nothing to resize or minimise.
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  dialog->setWindowTitle(qtText(_(AboutBox::kCaption)));
  dialog->setWindowIcon(programIcon());
  QFont big = title->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  big.setBold(true);
  title->setFont(big);
  for (auto* l : {title, notice, contact}) l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  separator->setFrameShape(QFrame::HLine);
  separator->setFrameShadow(QFrame::Sunken);
  okButton->setDefault(true);
  systemInfoButton->setAutoDefault(false);

  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addSpacing(12);
  auto* texts = new QVBoxLayout;
  texts->addWidget(title);
  texts->addSpacing(6);
  texts->addWidget(notice);
  texts->addStretch();
  top->addLayout(texts, 1);

  auto* bottom = new QGridLayout;
  bottom->addWidget(contact, 0, 0, 2, 1, Qt::AlignTop);
  bottom->addWidget(okButton, 0, 1);
  bottom->addWidget(systemInfoButton, 1, 1);
  bottom->setColumnStretch(0, 1);
  bottom->setHorizontalSpacing(24);

  auto* layout = new QVBoxLayout(dialog.get());
  layout->addLayout(top);
  layout->addSpacing(8);
  layout->addWidget(separator);
  layout->addSpacing(4);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QtAboutBox::QtAboutBox(QWidget* parent, SystemInfoTool& systemInfo)
    : AboutWidgets(parent),
      AboutBox(AboutBoxControls{window, *icon, titleLabel, noticeLabel, contactLabel}, systemInfo,
               messages) {
  QObject::connect(okButton, &QPushButton::clicked, dialog.get(), [this] { close(); });
  QObject::connect(systemInfoButton, &QPushButton::clicked, dialog.get(),
                   [this] { startSystemInfo(); });
  icon->onDoubleClick = [this] { invertIcon(); };
}

std::unique_ptr<AboutBox> QtAboutBoxMaker::make() {
  return std::make_unique<QtAboutBox>(parent_, systemInfo_);
}

}  // namespace tw::platform
