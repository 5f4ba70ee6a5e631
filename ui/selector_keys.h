// Keyboard of a closed drop-down list: arrows, typed search and Backspace select and notify.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <functional>

class QComboBox;
class QKeyEvent;

namespace aeon::ui {

class SelectorKeys {
  public:
    // Handles a key press on `box`; returns false for keys the box keeps for itself (opening the
    // list, Tab, Enter, Escape). `selectionMade` runs for every selection the key makes.
    bool handle(QComboBox& box, const QKeyEvent& event, const std::function<void()>& selectionMade);

    // Keys less than this far apart extend the typed search text.
    static constexpr qint64 kSearchIntervalMs = 500;

  private:
    QString search_;
    QElapsedTimer sinceLastKey_;
};

}  // namespace aeon::ui
