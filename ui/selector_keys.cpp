// Drop-down list keys as a desktop list box answers them, independent of Qt's own search.
#include "selector_keys.h"

#include <QComboBox>
#include <QKeyEvent>

namespace aeon::ui {

bool SelectorKeys::handle(QComboBox& box, const QKeyEvent& event,
                          const std::function<void()>& selectionMade) {
    const int key = event.key();
    const bool alt = (event.modifiers() & Qt::AltModifier) != 0;
    if (alt || key == Qt::Key_F4) return false;  // open or close the list

    const int last = box.count() - 1;
    int target = -1;
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            target = std::max(box.currentIndex() - 1, 0);
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            target = std::min(box.currentIndex() + 1, last);
            break;
        case Qt::Key_Home:
        case Qt::Key_PageUp:
            target = 0;
            break;
        case Qt::Key_End:
        case Qt::Key_PageDown:
            target = last;
            break;
        case Qt::Key_Backspace:
            // Backspace re-announces the current selection without changing it.
            selectionMade();
            return true;
        default:
            break;
    }
    if (target >= 0) {
        // Every arrow selection counts, even one that lands on the same item again.
        box.setCurrentIndex(target);
        selectionMade();
        return true;
    }

    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint() || (event.modifiers() & Qt::ControlModifier)) {
        return false;
    }
    if (!sinceLastKey_.isValid() || sinceLastKey_.elapsed() >= kSearchIntervalMs) search_.clear();
    sinceLastKey_.start();
    search_ += text;
    for (int i = 0; i < box.count(); ++i) {
        if (box.itemText(i).startsWith(search_, Qt::CaseInsensitive)) {
            // A typed search notifies only when it moves the selection.
            if (i != box.currentIndex()) {
                box.setCurrentIndex(i);
                selectionMade();
            }
            break;
        }
    }
    return true;
}

}  // namespace aeon::ui
