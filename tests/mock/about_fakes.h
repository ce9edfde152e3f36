#pragma once
// The About box over fakes: labels, a tiny icon raster, files, a program starter and the
// registry, and a loader that counts the boxes it made and unloaded.
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "commands/frm_about.h"
#include "commands/help_commands.h"
#include "mock/fakes.h"
#include "mock/registry_fake.h"

namespace tw::test {

class FakeCaption : public Caption {
 public:
  std::string caption() const override { return text; }
  void setCaption(const std::string& t) override { text = t; }
  std::string text;
};

// A raster of W x H pixels, one scale unit each, that carries out DSTINVERT as a picture box
// does; other raster operations are only recorded.
class FakePictureBox : public PictureBox {
 public:
  FakePictureBox(int w, int h) : w_(w), h_(h), pixels(static_cast<std::size_t>(w * h)) {
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = 0x102030u * (i + 1) & 0xFFFFFFu;
  }
  double ScaleWidth() const override { return w_; }
  double ScaleHeight() const override { return h_; }
  void PaintPicture(double x1, double y1, double w1, double h1, double x2, double y2, double w2,
                    double h2, std::uint32_t rop) override {
    calls.push_back({x1, y1, w1, h1, x2, y2, w2, h2, static_cast<double>(rop)});
    if (rop != DSTINVERT) return;
    for (int y = static_cast<int>(y1); y < y1 + h1 && y < h_; ++y)
      for (int x = static_cast<int>(x1); x < x1 + w1 && x < w_; ++x)
        pixels[static_cast<std::size_t>(y * w_ + x)] ^= 0xFFFFFFu;
  }

  std::vector<std::vector<double>> calls;
  int w_, h_;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB
};

class FakeFiles : public FileLookup {
 public:
  bool FileExists(const std::string& path) const override {
    asked.push_back(path);
    return files.count(path) > 0;
  }
  std::set<std::string> files;
  mutable std::vector<std::string> asked;
};

class FakeStarter : public ProgramStarter {
 public:
  bool Shell(const std::string& path, int style) override {
    started.push_back(path);
    styles.push_back(style);
    return works;
  }
  std::vector<std::string> started;
  std::vector<int> styles;
  bool works = true;
};

struct AboutFixture {
  FakeWindow window;
  FakePictureBox icon{4, 3};
  FakeCaption title, notice, contact;
  FakeRegistry registry;
  FakeFiles files;
  FakeStarter starter;
  ScriptedMessageBoxes messages;
  frmAbout form{frmAboutControls{window, icon, title, notice, contact},
                frmAboutServices{registry, files, starter, messages}};
};

// Each Load makes a fresh box over its own fakes, as the platform makes a fresh dialog.
class FakeAboutLoader : public AboutBoxLoader {
 public:
  struct Box : AboutFixture {
    explicit Box(FakeAboutLoader& l) : loader(l) {}
    ~Box() { ++loader.unloaded; }
    FakeAboutLoader& loader;
  };
  // The box is handed out as its frmAbout; the fixture around it lives as long.
  class Loaded : public frmAbout {
   public:
    explicit Loaded(std::unique_ptr<Box> b)
        : frmAbout(b->form.controls(), frmAboutServices{b->registry, b->files, b->starter,
                                                        b->messages}),
          box(std::move(b)) {}
    std::unique_ptr<Box> box;
  };

  std::unique_ptr<frmAbout> Load() override {
    ++loaded;
    auto box = std::make_unique<Box>(*this);
    last = box.get();
    if (onLoad) onLoad(*box);
    return std::make_unique<Loaded>(std::move(box));
  }

  int loaded = 0, unloaded = 0;
  Box* last = nullptr;  // dangling once unloaded
  std::function<void(Box&)> onLoad;
};

}  // namespace tw::test
