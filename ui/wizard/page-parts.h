#pragma once

#include <QList>
#include <QPixmap>
#include <QString>

#include <initializer_list>
#include <utility>

class OrvaMessageSheet;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// Pieces that several pages build the same way.
namespace PageParts {

// Where the connect key article lives; our choice, not the service's.
inline const char *const kKnowledgeBaseHost = "kb.velmora.example";

// Gives `widget` the sheet stored under `key`, scaled for the screen.
void applyStyle(QWidget *widget, const char *key);

// "<label><colon><red asterisk>": the caption of a required field.
QString requiredFieldCaption(int stringIndex);

// A required field's caption label, `designWidth` x 32 design pixels. A
// screen reader reads it without the colon and the asterisk.
QLabel *fieldLabel(int stringIndex, const char *styleKey, int designWidth = 160);

// Ties each caption to its field, so that a screen reader reads the field as
// labelled by it (on Linux it names a combo box by its value and by this).
void pairCaptions(std::initializer_list<std::pair<QLabel *, QWidget *>> pairs);

// Names a required field for screen readers by its caption, as plain text
// without the colon and the asterisk, and says that it must be filled.
void nameRequiredField(QWidget *field, int captionIndex);

// What a screen reader reads after the field's name: the warning while one
// is shown beside the field, otherwise that the field is required.
void describeFieldWarning(QWidget *field, const QString &warning = QString());

// Moves the floating `warning` beside `field`, to its right and on the same
// line; a text too long for the room left before the window's edge wraps.
// Both must be children of the same page.
void placeWarningBeside(QLabel *warning, QWidget *field);

// A push button styled with `styleSheet`, `designWidth` x `designHeight`,
// wider when its caption needs more room; Return presses it while it has the
// focus.
QPushButton *captionButton(int stringIndex, const QString &styleSheet, int designWidth, int designHeight);

// Gives the captions of one form a common width: `designWidth`, or more when
// one of them needs it in this language, so that no caption loses its end and
// the boxes beside them stay in line.
void alignCaptions(const QList<QLabel *> &captions, int designWidth);

// The width `caption` needs for its text, in its own font.
int captionWidth(QLabel *caption);

// `label` keeps its width and is at least `designHeight` high; a text that
// needs more lines in some language makes it taller.
void growWithText(QLabel *label, int designWidth, int designHeight);

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
