#include "RibbonStyle.h"

namespace ribbon {

QString ribbonStyleSheet()
{
    return QStringLiteral(R"(
*[ribbon="true"] { background: #f3f3f3; }
QTabBar#ribbonTabBar { background: #f3f3f3; }
QTabBar#ribbonTabBar::tab {
    background: transparent; color: #303030; border: none;
    padding: 5px 12px 5px 12px; margin: 0 1px;
}
QTabBar#ribbonTabBar::tab:hover { background: #e5e5e5; }
QTabBar#ribbonTabBar::tab:selected { color: #185abd; border-bottom: 3px solid #185abd; }
QStackedWidget, QScrollArea, QScrollArea > QWidget > QWidget { background: #fbfbfb; }
QFrame[ribbonGroup="true"] { background: #fbfbfb; border: none; border-right: 1px solid #dcdcdc; }
QLabel[ribbonGroupCaption="true"] { color: #6a6a6a; padding: 0 4px; }
QFrame[ribbonSeparator="true"] { color: #dcdcdc; max-width: 1px; }
QToolButton { border: 1px solid transparent; border-radius: 3px; padding: 1px 3px; color: #202020; }
QToolButton:hover { background: #e6eef8; border-color: #c5d6ee; }
QToolButton:pressed { background: #cfe0f5; }
QToolButton:checked { background: #d5e3f5; border-color: #9fbce6; }
QToolButton:disabled { color: #a8a8a8; }
QToolButton[popupMode="1"] { padding-right: 14px; }
QComboBox { background: white; border: 1px solid #c8c8c8; border-radius: 2px; padding: 1px 4px; }
QComboBox:hover { border-color: #9fbce6; }
QComboBox:disabled { color: #a8a8a8; background: #f3f3f3; }
QScrollBar:horizontal { height: 8px; background: #f0f0f0; }
QScrollBar::handle:horizontal { background: #c0c0c0; border-radius: 3px; min-width: 30px; }
QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal { width: 0; }
)");
}

} // namespace ribbon
