#include "platform/about_box.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "platform/icons.h"

namespace tw::platform {

namespace {
constexpr int kIconSize = 32;
constexpr std::uint32_t kSrcCopy = 0xCC0020;

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

void IconBox::paintPicture(const QRect& target, const QRect& source, std::uint32_t rop) {
  if (rop == DSTINVERT) {
    const QRect r = target.intersected(shown_.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x)
        shown_.setPixel(x, y, shown_.pixel(x, y) ^ 0x00FFFFFFu);
  } else if (rop == kSrcCopy) {
    QPainter p(&shown_);
    p.drawImage(target, picture_, source);
  }
  update();
}

void IconBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, shown_);
}

void IconBox::mouseDoubleClickEvent(QMouseEvent*) {
  if (onDoubleClick) onDoubleClick();
}

void QtPictureBox::PaintPicture(double x1, double y1, double width1, double height1, double x2,
                                double y2, double width2, double height2, std::uint32_t rop) {
  const auto rect = [](double x, double y, double w, double h) {
    return QRectF(x, y, w, h).toRect();
  };
  box_->paintPicture(rect(x1, y1, width1, height1), rect(x2, y2, width2, height2), rop);
}

void QtCaption::setCaption(const std::string& text) {
  text_ = text;
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  label_->setText(shown);
}

AboutWidgets::AboutWidgets(QWidget* parent)
    : dialog(std::make_unique<QDialog>(parent)),
      picIcon(new IconBox(iconOnGround(dialog->palette().color(QPalette::Window)), dialog.get())),
      lblTitle(new QLabel(dialog.get())),
      lblNotice(new QLabel(dialog.get())),
      lblContact(new QLabel(dialog.get())),
      Line1(new QFrame(dialog.get())),
      cmdOK(new QPushButton(QStringLiteral("OK"), dialog.get())),
      cmdSysInfo(new QPushButton(QStringLiteral("&System Info..."), dialog.get())),
      window(dialog.get(), kDialogFrame),
      icon(picIcon),
      title(lblTitle),
      notice(lblNotice),
      contact(lblContact),
      messages(dialog.get()) {
  // A fixed box: a title and a close button, nothing to resize or minimise.
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  dialog->setWindowTitle(QString::fromLatin1(frmAbout::kCaption));
  dialog->setWindowIcon(programIcon());
  QFont big = lblTitle->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  big.setBold(true);
  lblTitle->setFont(big);
  for (auto* l : {lblTitle, lblNotice, lblContact})
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Line1->setFrameShape(QFrame::HLine);
  Line1->setFrameShadow(QFrame::Sunken);
  cmdOK->setDefault(true);
  cmdSysInfo->setAutoDefault(false);

  auto* top = new QHBoxLayout;
  top->addWidget(picIcon, 0, Qt::AlignTop);
  top->addSpacing(12);
  auto* texts = new QVBoxLayout;
  texts->addWidget(lblTitle);
  texts->addSpacing(6);
  texts->addWidget(lblNotice);
  texts->addStretch();
  top->addLayout(texts, 1);

  auto* bottom = new QGridLayout;
  bottom->addWidget(lblContact, 0, 0, 2, 1, Qt::AlignTop);
  bottom->addWidget(cmdOK, 0, 1);
  bottom->addWidget(cmdSysInfo, 1, 1);
  bottom->setColumnStretch(0, 1);
  bottom->setHorizontalSpacing(24);

  auto* layout = new QVBoxLayout(dialog.get());
  layout->addLayout(top);
  layout->addSpacing(8);
  layout->addWidget(Line1);
  layout->addSpacing(4);
  layout->addLayout(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QtAboutBox::QtAboutBox(QWidget* parent, Registry& registry, const FileLookup& files,
                       ProgramStarter& programs)
    : AboutWidgets(parent),
      frmAbout(frmAboutControls{window, icon, title, notice, contact},
               frmAboutServices{registry, files, programs, messages}) {
  QObject::connect(cmdOK, &QPushButton::clicked, dialog.get(), [this] { cmdOK_Click(); });
  QObject::connect(cmdSysInfo, &QPushButton::clicked, dialog.get(),
                   [this] { cmdSysInfo_Click(); });
  picIcon->onDoubleClick = [this] { picIcon_DblClick(); };
}

std::unique_ptr<frmAbout> QtAboutBoxLoader::Load() {
  return std::make_unique<QtAboutBox>(parent_, registry_, files_, programs_);
}

}  // namespace tw::platform
