#pragma once

#include <QPixmap>
#include <QString>

#include <initializer_list>
#include <utility>

class OrvaMessageSheet;
class QHBoxLayout;
class QLabel;
class QWidget;

// Pieces that several pages build the same way.
namespace PageParts {

// Where the connect key article lives; our choice, not the service's.
inline const char *const kKnowledgeBaseHost = "kb.velmora.example";

// Gives `widget` the sheet stored under `key`, scaled for the screen.
void applyStyle(QWidget *widget, const char *key);

// "<label><colon><red asterisk>": the caption of a required field.
QString requiredFieldCaption(int stringIndex);

// A required field's caption label, 160 x 32 design pixels.
QLabel *fieldLabel(int stringIndex, const char *styleKey);

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

// The agent's warning: `sheet` styled and sized as the agent shows it, 480 x
// 176 design pixels, with the interface string `message`.
void prepareWarningSheet(OrvaMessageSheet &sheet, int message);

// The soft shadow under the white cards laid over the window.
void addCardShadow(QWidget *card, int blurRadius);

} // namespace PageParts
