#pragma once
// The help viewer's window: the help file in a browser, its contents page, and a topic finder
// that narrows the file's topics to those holding every word the user types (commands/help_index).
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QString>
#include <QTextBrowser>
#include <QVector>
#include <QWidget>
#include <string>
#include <vector>

namespace tw::platform {

struct HelpTopic {
  QString title;
  QString anchor;
  QString text;  // the words under the heading, up to the next one
};

class HelpWindow : public QWidget {
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Each (re)reads the file when it is another one or was missing; a missing file shows a
  // "not found" page instead.
  void showContents(const QString& file);
  void showFinder(const QString& file);
  // Shows the topic with this anchor on the browser page.
  void showTopic(const QString& anchor);

  bool fileLoaded() const { return loaded_; }
  // The file's topics in the finder's order.
  const QVector<HelpTopic>& topics() const { return topics_; }

  QTextBrowser* browser() const { return browser_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void load(const QString& file);
  void readTopics();
  void fillList();
  void applyFilter(const QString& text);
  void displayCurrent();

  QString file_;
  bool loaded_ = false;
  QVector<HelpTopic> topics_;                            // in index order
  std::vector<std::string> foldedTitles_, foldedTexts_;  // of topics_, for the finder

  QStackedWidget* pages_ = nullptr;
  QTextBrowser* browser_ = nullptr;
  QWidget* finder_ = nullptr;
  QLineEdit* filter_ = nullptr;
  QListWidget* list_ = nullptr;
  QPushButton* display_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* forward_ = nullptr;
};

}  // namespace tw::platform
