/*
 * ZFP4Res: the sibling library of the fare board program. It reads ticket
 * plug-ins (*.4SP) and draws boarding tickets with them, shows a few dialogs
 * and offers small text and system helpers; every entry point has C linkage.
 *
 * Texts cross as code page 932 (Shift-JIS) byte strings ending in NUL.
 *
 * Text results are written into a caller buffer `out` of `outSize` bytes:
 * as many bytes as fit, always followed by a NUL when `outSize` > 0 (a cut
 * may split a double-byte character). The function returns the full byte
 * length of the result without the NUL, like snprintf, so a result of
 * `outSize` or more means it was cut. `out` may be NULL when `outSize` is 0.
 * The text and system functions can simply be called again with a bigger
 * buffer; a dialog cannot, so give dialogs a generous buffer.
 *
 * A window handle is a `void*` holding the `QWidget*` of the owner window, or
 * NULL; a device context is a `void*` holding a `QPainter*`. Dialogs are modal to that owner (or to the application when NULL) and
 * return when the user closes them. All calls must be made on the thread of
 * the application object, which the host creates; the host also registers the
 * segment face "M_DegitA" that the display-format sample is drawn with.
 *
 * Every dialog is a QDialog whose widgets carry object names (given below),
 * so a test can find it with QApplication::activeModalWidget() from a timer,
 * set its widgets and call accept() or reject() on it.
 */
#ifndef ZFP4RES_H
#define ZFP4RES_H

#include <stdint.h>

#if defined(_WIN32)
#  if defined(ZFP4RES_BUILD)
#    define ZFP4RES_API __declspec(dllexport)
#  else
#    define ZFP4RES_API __declspec(dllimport)
#  endif
#else
#  define ZFP4RES_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A date as the leading fields of a Windows date-time record; a longer record
 * that starts with these four fields may be passed, the rest is not touched.
 * dayOfWeek counts from 0 = Sunday. */
typedef struct DateRecord {
    int16_t year;
    int16_t month;
    int16_t dayOfWeek;
    int16_t day;
} DateRecord;

/* The capability record of a ticket plug-in: fourteen 32-bit fields, 56
 * bytes. A flag counts as set when it is exactly 1. */
typedef struct PlgInfo {
    int32_t InfoHead;         /* the plug-in format version, 1 */
    int32_t PrevWidth;        /* the ticket's width in twips (15 to a pixel) */
    int32_t PrevHeight;       /* its height in twips */
    int32_t PrintDate;        /* 1: prints the date */
    int32_t PrintTime;        /* 1: prints the time */
    int32_t PrintRouteNum;    /* 1: prints the route number */
    int32_t PrintStopName;    /* 1: prints the stop name */
    int32_t PrintBarcode;     /* 1: prints at least one barcode */
    int32_t BarcodeCount;     /* number of barcodes */
    int32_t RouteNumMax;      /* routes 1..RouteNumMax are in range */
    int32_t BarcodeRouteMode; /* 1: the route as a serial number; 0: route number and direction flag */
    int32_t StopRangeFrom;    /* first stop number in range */
    int32_t StopRangeTo;      /* last stop number in range */
    int32_t CorpSwitch;       /* 1: the company name can be switched */
} PlgInfo;

/* Ticket plug-ins. `path` names a *.4SP file (format: PluginFormat.md). A
 * plug-in is read at its first use and again only when the file's size or
 * modification time changes. A file that is missing or not a usable plug-in
 * makes ZF4_GetPlgInfo return 0 and the other three calls do nothing. */

/* Fills the zero-filled record `info` and returns 1; returns 0 and leaves it
 * alone when the file is not a usable plug-in (or `info` is NULL). */
ZFP4RES_API int32_t ZF4_GetPlgInfo(const char* path, PlgInfo* info);

/* Sets the plug-in's remarks as the whole text of `textBox`: a QPlainTextEdit,
 * QTextEdit, QLineEdit (lines joined by blanks) or QLabel. */
ZFP4RES_API void ZF4_SetPlgComment(const char* path, void* textBox);

/* Adds the plug-in's company names, in order, to `list`: a QComboBox or a
 * QListWidget. The list is not emptied first. */
ZFP4RES_API void ZF4_SetCorpAddList(const char* path, void* list);

/* Draws the ticket into the active painter `dc` with its top-left corner at
 * the painter's origin, one painter unit being 15 twips, so an unscaled
 * painter on a surface of PrevWidth x PrevHeight twips is filled exactly. The
 * painter's state is left as it was and nothing is drawn outside the ticket.
 * `dateText` is mm-dd-yyyy and `timeText` hh:mm:ss; a text that is not a date
 * or time leaves out what would print it. `stopNo` counts from 1;
 * `companyIndex` picks a company name (-1 for none: the first name). A route
 * or stop outside the plug-in's ranges draws what the plug-in declares for
 * that case and never a barcode. */
ZFP4RES_API void ZF4_DrawSeiriken(const char* path, void* dc, const char* stopName, const char* dateText,
                                  const char* timeText, int32_t routeNo, int16_t ticketNo, int16_t stopNo,
                                  int32_t companyIndex);

/* The operating system's name (text result). */
ZFP4RES_API int32_t GetOsInfo(char* out, int32_t outSize);

/* The byte length of `text`; 0 for NULL. */
ZFP4RES_API int32_t LenB_ASCII(const char* text);

/* `count` bytes of `text` from byte `start` (counted from 1), fewer at the
 * end, none past it (text result). A `start` below 1 or a negative `count`
 * gives the empty text. */
ZFP4RES_API int32_t MidB_ASCII(const char* text, int32_t start, int32_t count, char* out, int32_t outSize);

/* Lets the user pick an existing file (text result: its full path, empty on
 * cancel). `reserved` is 0. `filter` holds pairs of description and pattern,
 * each text followed by one NUL and the whole by one more NUL; a pattern may
 * list several globs separated by ';'. `filter`, `initialFile` and `title` may
 * be NULL. The dialog is a QFileDialog. */
ZFP4RES_API int32_t Zf3FileDlg(void* owner, int32_t reserved, const char* filter, const char* initialFile,
                               const char* title, char* out, int32_t outSize);

/* Lets the user pick a folder (text result: its path, empty on cancel). The
 * dialog is a QFileDialog. */
ZFP4RES_API int32_t Zf3FolderDlg(void* owner, const char* title, char* out, int32_t outSize);

/* As Zf3FolderDlg, opening in `initialFolder` (NULL or empty: the current
 * directory). */
ZFP4RES_API int32_t Zf3FolderDlgAt(void* owner, const char* title, const char* initialFolder, char* out,
                                   int32_t outSize);

/* Lets the user pick a colour, starting at *color (0x00BBGGRR). Returns
 * non-zero when confirmed; only then is the choice written to *color.
 * `custom` is a table of 17 colours: entries 0..15 are the dialog's 16 custom
 * colours, read before and written back after the dialog, also on cancel;
 * entry 16 has no place in the dialog and is never touched. The dialog is a
 * QColorDialog. */
ZFP4RES_API int32_t Zf3ChooseColor(void* owner, int32_t* color, int32_t* custom);

/* The display-format dialog of a digit display of `keta` digits (shown as 1
 * when below 1, as 15 when above): zero mode 0..3, shift 0..keta-1 and zero
 * fill 0..keta, with a live sample. Values out of range are shown clamped.
 * Returns 1 when accepted and writes the three values back; returns 0 on
 * cancel and leaves them as they were.
 * Object names: "zeroMode0".."zeroMode3" (radio buttons), "shift" and
 * "fillZero" (spin boxes), "sample" (the sample, with the rows "sampleRow0"..
 * "sampleRow3"). */
ZFP4RES_API int32_t Call_dlg100(void* owner, int16_t keta, int16_t* zeroMode, int16_t* shift, int16_t* fillZero);

/* Shows `text` (lines may end in CR LF) in a modal information box with an
 * OK button; `mode` is 1. The dialog is a QMessageBox. */
ZFP4RES_API void Call_dlg110(void* owner, int32_t mode, const char* text);

/* Lets the user pick a date, starting at the record's date when it is a valid
 * one and at today otherwise. Returns non-zero when confirmed and then fills
 * year, month, dayOfWeek and day; returns 0 on cancel and leaves the record.
 * Object names: "calendar" (a QCalendarWidget). */
ZFP4RES_API int32_t Call_dlg111(void* owner, DateRecord* date);

#ifdef __cplusplus
}
static_assert(sizeof(PlgInfo) == 56, "PlgInfo is fourteen 32-bit fields");
#endif

#endif
