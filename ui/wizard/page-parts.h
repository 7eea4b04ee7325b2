#pragma once

#include <QPixmap>
#include <QString>

#include <initializer_list>
#include <utility>

class QHBoxLayout;
class QLabel;
class QWidget;

// Pieces that several pages build the same way.
namespace PageParts {

// Fixed texts chosen by us rather than by the service.
inline const char *const kKnowledgeBaseHost = "kb.velmora.example";
inline const char *const kHostPlaceholder = "192.168.1.10";
inline const char *const kBaseDnPlaceholder = "dc=example,dc=corp,dc=local";
inline const char *const kBindDnPlaceholder = "cn=administrator,dc=test,dc=us";

// A design length (pixels at 96 DPI) on this screen, truncated toward zero.
int px(int designLength);

// Gives `widget` the sheet stored under `key`, scaled for the screen.
void applyStyle(QWidget *widget, const char *key);

// "<label><colon><red asterisk>": the caption of a required field.
QString requiredFieldCaption(int stringIndex);

// The named image as a square of `side` design pixels, sharp on this screen.
QPixmap squareImage(const char *name, int side);

// Names the widgets a page's tests and tour reach for.
void setObjectNames(std::initializer_list<std::pair<QWidget *, const char *>> names);

// A row holding `first` and, after `spacing`, `second`, centred between stretches.
QHBoxLayout *stretchedRow(QWidget *first, int spacing = 0, QWidget *second = nullptr);

// A row whose own alignment centres its one widget.
QHBoxLayout *alignedRow(QWidget *widget);

// A label showing the named status image, 120 x 120 design pixels, centred.
QLabel *statusImageLabel(const char *name);

} // namespace PageParts
