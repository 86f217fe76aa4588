// The element list of the older versions in creation order, as the knowledge base's
// documentation gives it (the void elements BR, HR, WBR, EMBED and AREA empty, as their
// end tags are not written):
// versions, element class, enclosing elements, shared select word and event handlers in
// parentheses, then each own attribute ("(required)" for the required ones) with its
// values after "=" ("other" for the entry where the user types a value). A line that
// starts with two blanks continues the one above.
#pragma once

#include <string_view>

namespace velto::test {

inline constexpr std::string_view ElementListText = R"(
!DOCTYPE (versions FFFFFFF; container; shared select 2).
HTML (versions 7030F; container; shared select 202): TITLE.
HEAD (versions 7030F; end tag optional; shared select 202): PROFILE.
TITLE (versions 7030F; container; inside HEAD; shared select 202): TITLE.
BASE (versions 7030F; empty; inside HEAD; shared select 2): HREF (required); TARGET = _blank /
  _self / _parent / _top / other.
META (versions 7030F; empty; inside HEAD; shared select 202): NAME = REFRESH / EXPIRES /
  KEYWORDS / REPLY-TO / PICS-LABEL / CONTENT-TYPE / AUTHOR / other; HTTP-EQUIV = REFRESH /
  EXPIRES / KEYWORDS / REPLY-TO / PICS-LABEL / CONTENT-TYPE / AUTHOR / other; CONTENT;
  SCHEME = DDS / ISBN / other.
ISINDEX (versions 7030F; empty; inside HEAD; shared select 302): PROMPT; ACTION.
LINK (versions 6000F; empty; inside HEAD): HREF; NAME; REL = STYLESHEET / other; REV; URN;
  METHODS; TYPE = text/css / other; MEDIA = SCREEN / PRINT / PROJECTION / BRAILLE / SPEECH /
  ALL / other.
NEXTID (versions 4000000B; empty; inside HEAD).
RANGE (versions 2; empty; inside HEAD).
STYLE (versions 6000E; container; inside HEAD; shared select 202): TYPE = text/css / other;
  MEDIA = SCREEN / PRINT / PROJECTION / BRAILLE / SPEECH / ALL / other; TITLE.
BODY (versions 7030F; end tag optional; event handlers): BACKGROUND; BGCOLOR; TEXT; LINK;
  VLINK; ALINK; BGPROPERTIES = FIXED; LEFTMARGIN; TOPMARGIN; ALIGN = LEFT / CENTER / RIGHT;
  SCROLL = yes / no.
DIV (versions 6030E; container; event handlers): ALIGN = LEFT / CENTER / RIGHT / JUSTIFY;
  DATASRC; DATAFLD; DATAFORMATAS.
H1 (versions 7030F; container; event handlers): ALIGN = LEFT / CENTER / RIGHT / JUSTIFY.
H2 (versions 7030F; container; event handlers): ALIGN = LEFT / CENTER / RIGHT / JUSTIFY.
H3 (versions 7030F; container; event handlers): ALIGN = LEFT / CENTER / RIGHT / JUSTIFY.
H4 (versions 7030F; container; event handlers): ALIGN = LEFT / CENTER / RIGHT / JUSTIFY.
H5 (versions 7030F; container; event handlers): ALIGN = LEFT / CENTER / RIGHT / JUSTIFY.
H6 (versions 7030F; container; event handlers): ALIGN = LEFT / CENTER / RIGHT / JUSTIFY.
P (versions 7030F; end tag optional; event handlers): ALIGN = LEFT / CENTER / RIGHT / JUSTIFY;
  WIDTH.
BR (versions 7030F; empty; shared select 102): CLEAR = LEFT / RIGHT / ALL / NONE.
BDO (versions 40008; container): LANG; Dir (required) = LTR / RTL.
TAB (versions 2; container).
MULTICOL (versions 200; container): COLS (required) = 2 / 3 / 4 / other; WIDTH; GUTTER.
SPACER (versions 200; empty): TYPE = horizontal / vertical / block; SIZE; HEIGHT; WIDTH;
  ALIGN = LEFT / RIGHT / TOP.
A (versions 7030F; container; event handlers): HREF; NAME; REL = CONTENTS / INDEX / GLOSSARY /
  COPYRIGHT / NEXT / PREVIOUS / START / HELP / BOOKMARK / STYLESHEET / ALTERNATIVE;
  REV = CONTENTS / INDEX / GLOSSARY / COPYRIGHT / NEXT / PREVIOUS / START / HELP / BOOKMARK /
  STYLESHEET / ALTERNATIVE; METHODS; URN; TARGET = _blank / _self / _parent / _top / other;
  SHAPE = RECT / CIRC / POLY; COORDS; LANGUAGE = JavaScript / VBScript / other; ACCESSKEY;
  TABINDEX; CHARSET = UNKNOWN / US-ASCII / ISO-8859-1 / ISO-8859-2 / ISO-8859-3 / ISO-8859-4 /
  ISO-8859-5 / ISO-8859-6 / ISO-8859-7 / ISO-8859-8 / ISO-8859-9 / ISO-8859-10 / other.
EM (versions 7030F; container; event handlers).
STRONG (versions 7030F; container; event handlers).
DFN (versions 7000E; container; event handlers).
CODE (versions 7030F; container; event handlers).
SAMP (versions 7030F; container; event handlers).
KBD (versions 7030F; container; event handlers).
VAR (versions 7030F; container; event handlers).
CITE (versions 7030F; container; event handlers).
ACRONYM (versions 4000A; container; event handlers).
TT (versions 7030F; container; event handlers).
I (versions 7030F; container; event handlers).
B (versions 7030F; container; event handlers).
U (versions 7020B; container; event handlers).
STRIKE (versions 7030D; container; event handlers).
S (versions 7020A; container; event handlers).
BIG (versions 6030E; container; event handlers).
SMALL (versions 6030E; container; event handlers).
SUB (versions 6030E; container; event handlers).
SUP (versions 6030E; container; event handlers).
IMG (versions 7030F; empty; event handlers): SRC (required); LOWSRC; ALT;
  ALIGN = LEFT / RIGHT / TOP / TEXTTOP / MIDDLE / ABSMIDDLE / BASELINE / BOTTOM / ABSBOTTOM;
  HEIGHT; WIDTH; BORDER; HSPACE; VSPACE; USEMAP; ISMAP; CONTROLS; DYNSRC; LOOP = INFINITE /
  other; START = FILEOPEN / MOUSEOVER / FILEOPEN,MOUSEOVER; NAME; DATASRC; DATAFLD; VRML.
LH (versions 2; container).
UL (versions 7030F; container; event handlers): TYPE = DISC / SQUARE / CIRCLE; ALIGN = LEFT /
  CENTER / RIGHT; SRC; COMPACT.
OL (versions 7030F; container; event handlers): START; TYPE = A / a / I / i / 1; ALIGN = LEFT /
  CENTER / RIGHT; COMPACT.
LI (versions 7030F; end tag optional; event handlers): TYPE = A / a / I / i / 1 / DISC /
  CIRCLE / SQUARE; VALUE; ALIGN = LEFT / CENTER / RIGHT.
DL (versions 7030F; container; event handlers): ALIGN = LEFT / CENTER / RIGHT; COMPACT.
DT (versions 7030F; empty; inside DL; event handlers): ALIGN = LEFT / CENTER / RIGHT.
DD (versions 7030F; empty; inside DL; event handlers): ALIGN = LEFT / CENTER / RIGHT.
DIR (versions 7030F; container; event handlers): COMPACT.
MENU (versions 7030F; container; event handlers): COMPACT.
FIG (versions 2; container).
OVERLAY (versions 2; container).
TABLE (versions 7030E; container; event handlers): ALIGN = BLEEDLEFT / LEFT / CENTER / RIGHT /
  BLEEDRIGHT / JUSTIFY; VALIGN = TOP / BOTTOM / MIDDLE / BASELINE; CLEAR = NO / LEFT / RIGHT /
  ALL; WIDTH; HEIGHT; BORDER; CELLSPACING; CELLPADDING; BACKGROUND; BGCOLOR; BORDERCOLOR;
  BORDERCOLORLIGHT; BORDERCOLORDARK; COLS; FRAME = VOID / ABOVE / BELOW / HSIDES / VSIDES /
  LHS / RHS / BOX / BORDER; RULES = NONE / GROUPS / ROWS / COLS / ALL; DATASRC; NOWRAP.
CAPTION (versions 7030E; table part; inside FIG TABLE; event handlers): ALIGN = TOP / BOTTOM /
  LEFT / RIGHT / CENTER; VALIGN = TOP / BOTTOM.
TR (versions 7030E; table part; inside TABLE; event handlers): ALIGN = LEFT / CENTER / RIGHT /
  JUSTIFY / CHAR; CHAR; VALIGN = TOP / CENTER / BOTTOM / BASELINE; HEIGHT; NOWRAP; BACKGROUND;
  BGCOLOR; BORDERCOLOR; BORDERCOLORLIGHT; BORDERCOLORDARK.
TH (versions 7030E; table part; inside TABLE; event handlers): WIDTH; HEIGHT; COLSPAN; ROWSPAN;
  ALIGN = LEFT / CENTER / RIGHT / JUSTIFY / CHAR; CHAR; VALIGN = TOP / MIDDLE / BOTTOM /
  BASELINE; NOWRAP; BACKGROUND; BGCOLOR; BORDERCOLOR; BORDERCOLORLIGHT; BORDERCOLORDARK; AXIS;
  AXES.
TD (versions 7030E; table part; inside TABLE; event handlers): WIDTH; COLSPAN; ROWSPAN;
  ALIGN = LEFT / CENTER / RIGHT / JUSTIFY / CHAR; CHAR; VALIGN = TOP / CENTER / BOTTOM /
  BASELINE; NOWRAP; BACKGROUND; BGCOLOR; BORDERCOLOR; BORDERCOLORLIGHT; BORDERCOLORDARK; AXIS;
  AXES.
THEAD (versions 60008; container; inside TABLE; event handlers): ALIGN = LEFT / CENTER / RIGHT;
  VALIGN = TOP / BOTTOM / CENTER / BASELINE; BGCOLOR.
TBODY (versions 60008; container; inside TABLE; event handlers): ALIGN = LEFT / CENTER / RIGHT;
  VALIGN = TOP / BOTTOM / CENTER / BASELINE; BGCOLOR.
TFOOT (versions 60008; container; inside TABLE; event handlers): ALIGN = LEFT / CENTER / RIGHT;
  VALIGN = TOP / BOTTOM / CENTER / BASELINE; BGCOLOR.
COLGROUP (versions 60008; container; inside TABLE): SPAN; WIDTH; ALIGN = LEFT / CENTER /
  RIGHT / JUSTIFY / CHAR; CHAR; CHAROFF = TOP / CENTER / BOTTOM / BASELINE; VALIGN = TOP /
  MIDDLE / BOTTOM / BASELINE.
COL (versions 60008; empty; inside COLGROUP; event handlers): SPAN; WIDTH; ALIGN = LEFT /
  CENTER / RIGHT; CHAR; CHAROFF = TOP / CENTER / BOTTOM / BASELINE; VALIGN = TOP / CENTER /
  BOTTOM / BASELINE.
HR (versions 7030F; empty; event handlers): ALIGN = LEFT / RIGHT / CENTER; NOSHADE; SIZE;
  WIDTH; COLOR.
PRE (versions 7030F; container; event handlers): WIDTH.
LISTING (versions 4007030D; container; event handlers): ALIGN = LEFT / CENTER / RIGHT.
PLAINTEXT (versions 4007030F; container; event handlers).
XMP (versions 4007030D; container; event handlers): ALIGN = LEFT / CENTER / RIGHT.
NOTE (versions F; container).
FN (versions F; container).
BLOCKQUOTE (versions 7030D; container; event handlers): CITE.
Q (versions 4000A; container; event handlers): CITE.
BQ (versions 2; container).
ADDRESS (versions 7030F; container; event handlers): ALIGN = LEFT / CENTER / RIGHT.
INS (versions 4000A; container; event handlers): CITE; DATETIME.
DEL (versions 4000A; container; event handlers): CITE; DATETIME.
FORM (versions 7030F; container; event handlers): ACTION (required); METHOD = GET / POST;
  ENCTYPE = application/x-www-form-urlencoded / multipart/form-data / other; TARGET = _blank /
  _self / _parent / _top / other; ACCEPT-CHARSET = UNKNOWN / US-ASCII / ISO-8859-1 /
  ISO-8859-2 / ISO-8859-3 / ISO-8859-4 / ISO-8859-5 / ISO-8859-6 / ISO-8859-7 / ISO-8859-8 /
  ISO-8859-9 / ISO-8859-10 / other.
FIELDSET (versions 40008; container; event handlers).
LEGEND (versions 40008; container; event handlers): ACCESSKEY; ALIGN = TOP / BOTTOM / LEFT /
  RIGHT.
INPUT (versions 7030F; end tag optional; event handlers): TYPE = TEXT / TEXTAREA / PASSWORD /
  CHECKBOX / RADIO / SELECT-MULTIPLE / SELECT-ONE / SUBMIT / IMAGE / RESET / BUTTON / FILE /
  HIDDEN; ALT; NAME; VALUE; SIZE; MAXLENGTH; CHECKED; SRC; DISABLED; READONLY; ACCESSKEY;
  TABINDEX; ALIGN = LEFT / RIGHT / TOP / TEXTTOP / MIDDLE / ABSMIDDLE / BASELINE / BOTTOM /
  ABSBOTTOM / ACCEPT; USEMAP; LANGUAGE = JavaScript / VBScript / other; DATASRC; DATAFLD.
TEXTAREA (versions 7030F; container; event handlers): COLS (required); ROWS (required);
  NAME (required); ALIGN = LEFT / RIGHT / TOP / TEXTTOP / MIDDLE / ABSMIDDLE / BASELINE /
  BOTTOM / ABSBOTTOM; WRAP = OFF / VIRTUAL / PHYSICAL; DISABLED; READONLY; TABINDEX; ACCESSKEY;
  DATASRC; DATAFLD.
SELECT (versions 7030F; container; inside FORM; event handlers): MULTIPLE; NAME; SIZE;
  ALIGN = LEFT / RIGHT / TOP / TEXTTOP / MIDDLE / ABSMIDDLE / BASELINE / BOTTOM / ABSBOTTOM;
  LANGUAGE = JavaScript / VBScript / other; ACCESSKEY; DISABLED; READONLY; TABINDEX; DATASRC;
  DATAFLD.
OPTION (versions 7030F; container; inside SELECT): SELECTED; VALUE; DISABLED.
MAP (versions 7030C; container; event handlers): NAME.
AREA (versions 7030C; empty; inside MAP; event handlers): ALT (required); TABINDEX;
  SHAPE = RECT / CIRC / POLY; COORDS; HREF; NOHREF; TARGET = _blank / _self / _parent / _top /
  other; NAME.
BASEFONT (versions 70308; container): COLOR; NAME; FACE; SIZE (required) = 1 / 2 / 3 / 4 / 5 /
  6 / 7.
SPAN (versions 60008; container; event handlers): DATASRC; DATAFLD; DATAFORMATAS.
BGSOUND (versions 70008; container): SRC; LOOP = INFINITE / other.
CENTER (versions 7030C; container; event handlers).
!-- (versions FFFFFFF; container; shared select 2).
COMMENT (versions 70008; container; shared select 2): TITLE.
FONT (versions 7030C; container; event handlers): COLOR; FACE; SIZE = 1 / 2 / 3 / 4 / 5 / 6 /
  7 / other.
MARQUEE (versions 70008; container; event handlers): ALIGN = LEFT / RIGHT / TOP / TEXTTOP /
  MIDDLE / ABSMIDDLE / BASELINE / BOTTOM / ABSBOTTOM; BEHAVIOR = SCROLL / SLIDE / ALTERNATE;
  BGCOLOR; DIRECTION = LEFT / RIGHT / UP / DOWN; HEIGHT; WIDTH; HSPACE; VSPACE;
  LOOP = INFINITE / other; SCROLLAMOUNT; SCROLLDELAY; DATASRC; DATAFLD; DATAFORMATAS.
BUTTON (versions 40008; container; event handlers): NAME; VALUE; TYPE = BUTTON / SUBMIT /
  RESET; DISABLED; TABINDEX; ACCESSKEY.
LABEL (versions 40008; container; event handlers): FOR; DISABLED; ACCESSKEY.
NOBR (versions 70308; container).
WBR (versions 70308; empty).
EMBED (versions 60308; empty; event handlers): NAME; SRC (required); HEIGHT; WIDTH;
  ALIGN = LEFT / RIGHT / TOP / TEXTTOP / MIDDLE / ABSMIDDLE / BASELINE / BOTTOM / ABSBOTTOM;
  HIDDEN; PLUGINSPAGE; PALETTE; ACCESSKEY.
SCRIPT (versions 6030C; container): TYPE = text/javascript / text/vbscript / other;
  LANGUAGE = JavaScript / VBScript / other; SRC; EVENT; FOR; IN; LIBRARY.
NOSCRIPT (versions 40208; container; shared select 2).
FRAMESET (versions 60308; container; shared select 2; event handlers): ROWS; COLS; BORDER;
  FRAMEBORDER = 1 / 0; FRAMESPACING; BORDERCOLOR.
FRAME (versions 60308; empty; inside FRAMESET; shared select 2; event handlers): SRC; NAME;
  WIDTH; HEIGHT; MARGINWIDTH; MARGINHEIGHT; SCROLLING = YES / NO / AUTO; NORESIZE;
  FRAMEBORDER = 1 / 0; BORDERCOLOR.
IFRAME (versions 60008; container; event handlers): SRC; NAME; WIDTH; HEIGHT; FRAMESPACING;
  MARGINWIDTH; MARGINHEIGHT; HSPACE; VSPACE; SCROLLING = YES / NO / AUTO; FRAMEBORDER = 1 / 0;
  BORDER; BORDERCOLOR; ALIGN = LEFT / RIGHT / TOP / TEXTTOP / MIDDLE / ABSMIDDLE / BASELINE /
  BOTTOM / ABSBOTTOM.
NOFRAMES (versions 60308; container; shared select 2).
APPLET (versions 6030C; container; event handlers): CODEBASE; CODE (required); ARCHIVE; Object;
  ALT; NAME; ALIGN = LEFT / RIGHT / TOP / MIDDLE / CENTER / BOTTOM; HEIGHT; WIDTH; HSPACE;
  VSPACE; ACCESSKEY; DISABLED.
OBJECT (versions 60008; container; event handlers): DECLARE; CLASSID; CODEBASE; CODETYPE; DATA;
  DATASRC; DATAFLD; TYPE; STANDBY; ALIGN = LEFT / CENTER / RIGHT / TEXTTOP / MIDDLE /
  TEXTMIDDLE / BASELINE / TEXTBOTTOM; WIDTH; HEIGHT; BORDER; HSPACE; VSPACE; SHAPES; USEMAP;
  NAME; ACCESSKEY; TABINDEX.
PARAM (versions 6030C; end tag optional; inside APPLET OBJECT; shared select 2): NAME; VALUE;
  VALUETYPE = DATA / REF / OBJECT; TYPE; DATASRC; DATAFLD.
)";

} // namespace velto::test
