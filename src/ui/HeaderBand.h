#pragma once

#include <QWidget>

class QLabel;
class QToolBar;

namespace corbel::ui {

// The dark navy band across the top of the main window: a drawn picture, the
// product name with its shadow, two small icons, and the tool bar along its foot.
class HeaderBand : public QWidget {
    Q_OBJECT
  public:
    explicit HeaderBand(QWidget* parent = nullptr);

    QLabel* HeadingLabel1;
    QLabel* HeadingLabel2;
    QToolBar* toolBar;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace corbel::ui
