#pragma once
#include "platform/win/WinTypes.h"
#include "platform/win/gdi/GdiTypes.h"

inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DASH = 1;
inline constexpr int PS_DOT = 2;
inline constexpr int PS_DASHDOT = 3;
inline constexpr int PS_DASHDOTDOT = 4;
inline constexpr int PS_NULL = 5;
inline constexpr int PS_INSIDEFRAME = 6;

inline constexpr UINT BS_SOLID = 0;
inline constexpr UINT BS_NULL = 1;
inline constexpr UINT BS_HOLLOW = BS_NULL;

// Stock objects.
inline constexpr int WHITE_BRUSH = 0;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int HOLLOW_BRUSH = NULL_BRUSH;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
inline constexpr int ANSI_FIXED_FONT = 11;
inline constexpr int SYSTEM_FONT = 13;
inline constexpr int DEFAULT_GUI_FONT = 17;

// GetObjectType.
inline constexpr DWORD OBJ_PEN = 1;
inline constexpr DWORD OBJ_BRUSH = 2;
inline constexpr DWORD OBJ_FONT = 6;
inline constexpr DWORD OBJ_BITMAP = 7;

HPEN CreatePen(int style, int width, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);
// Null for an index that names no stock object.
HGDIOBJ GetStockObject(int index);
// A stock brush of the system colour (GetSysColor).
HBRUSH GetSysColorBrush(int index);
// Stock objects are never deleted (the call still succeeds). An object selected into a DC may be
// deleted: the DC keeps drawing with the attributes it had.
BOOL DeleteObject(HGDIOBJ object);
// Fills a LOGFONT for a font or a BITMAP for a bitmap; with no buffer, returns the size needed.
// Returns the bytes written, 0 when the buffer is too small or the object is of another kind.
int GetObject(HGDIOBJ object, int size, LPVOID buffer);
// OBJ_FONT, OBJ_PEN, OBJ_BRUSH or OBJ_BITMAP; 0 for anything else.
DWORD GetObjectType(HGDIOBJ object);
