// entalix.dll: the property functions of entalix-calc for spreadsheets (Excel
// and WPS through the VBA module Entalix.bas) and any other program that loads
// a DLL. Each function takes doubles, a property's name where entalix-calc
// takes one, and last the formulation: "IFC-67" (also an empty text or a null
// pointer), "IAPWS-IF97" or "IF97", in any case. Texts in are ASCII or UTF-8.
//
// A call that succeeds returns its value and leaves psw_status() 0. A call
// that fails returns a quiet NaN and says why in psw_status() and psw_error():
//   1  the state cannot be calculated (outside the formulation, no solution):
//      the sheet shows #NUM!;
//   2  a text argument is not understood: a property name the function does
//      not know (psw_error() is then "No such Para.", as entalix-calc prints),
//      or a formulation other than the three above: the sheet shows #VALUE!.
// The status, the reason and the warning of an extrapolated result belong to
// the last call on the calling thread; a call that succeeds empties the reason.
// No C++ exception leaves the DLL.
//
// On 32-bit Windows every function is __stdcall, exported by its plain name
// (pswh_ptstm, not _pswh_ptstm@20), as VBA's Declare needs.
#pragma once

#include <stdint.h>  // the header is C too

#include "dll/export_list.h"

#if defined(_WIN32)
#define ENTALIX_CALL __stdcall
#else
#define ENTALIX_CALL
#endif

#if defined(_WIN32) && defined(ENTALIX_BUILDING_DLL)
#define ENTALIX_API __declspec(dllexport)
#elif defined(_WIN32) && !defined(ENTALIX_STATIC_DLL_LAYER)
#define ENTALIX_API __declspec(dllimport)
#else
#define ENTALIX_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define ENTALIX_DECLARE_N1(fn) ENTALIX_API double ENTALIX_CALL fn(double, const char*);
#define ENTALIX_DECLARE_N2(fn) ENTALIX_API double ENTALIX_CALL fn(double, double, const char*);
#define ENTALIX_DECLARE_N4(fn) ENTALIX_API double ENTALIX_CALL fn(double, double, double, double, const char*);
#define ENTALIX_DECLARE_S1(fn) ENTALIX_API double ENTALIX_CALL fn(const char*, double, const char*);
#define ENTALIX_DECLARE_S2(fn) ENTALIX_API double ENTALIX_CALL fn(const char*, double, double, const char*);
ENTALIX_SPREADSHEET_FUNCTIONS(ENTALIX_DECLARE_N1, ENTALIX_DECLARE_N2, ENTALIX_DECLARE_N4, ENTALIX_DECLARE_S1,
                              ENTALIX_DECLARE_S2)

// 0, 1 or 2 as above, for the last call on this thread.
ENTALIX_API int32_t ENTALIX_CALL psw_status(void);

// The reason the last call on this thread failed, in Chinese, as UTF-16
// (VBA: StrPtr of a String): copies at most capacity code units into buffer
// (a null buffer or a capacity of 0 copies nothing), adds a terminating zero
// when there is room for it, and returns the length of the whole reason in
// code units, 0 after a call that succeeded. Ask with (NULL, 0) for the length.
ENTALIX_API int32_t ENTALIX_CALL psw_error(uint16_t* buffer, int32_t capacity);

// The same for the warning of the last call on this thread whose result an
// equation gave beyond the range where it is valid (empty for none), as
// entalix-calc writes it on standard error.
ENTALIX_API int32_t ENTALIX_CALL psw_warning(uint16_t* buffer, int32_t capacity);

#ifdef __cplusplus
}
#endif
