// Entalix.bas from entalix-calc's table: a declaration of each function of
// entalix.dll for VBA7 (PtrSafe, 32- and 64-bit Office) and for the VBA before
// it, and a worksheet function of the same name and arguments as entalix-calc
// with the formulation as an optional last argument.
#include "dll/vba_module.h"

#include <sstream>
#include <string_view>
#include <vector>

#include "cli/calls.h"

namespace entalix::dll {
namespace {

// The parameters as VBA declares them, a selector's name as a String.
std::string parameters(const cli::FunctionInfo& f) {
    std::string out;
    for (const cli::Argument& a : f.arguments) {
        if (!out.empty()) out += ", ";
        out += "ByVal " + a.name + (a.unit.empty() ? " As String" : " As Double");
    }
    return out;
}

std::string argument_names(const cli::FunctionInfo& f) {
    std::string out;
    for (const cli::Argument& a : f.arguments) out += a.name + ", ";
    return out;
}

void declarations(std::ostringstream& out, std::string_view ptr_safe, std::string_view pointer) {
    out << "Private Declare " << ptr_safe << "Function LoadLibraryW Lib \"kernel32\" (ByVal path As " << pointer
        << ") As " << pointer << "\n";
    for (const cli::FunctionInfo& f : cli::functions())
        out << "Private Declare " << ptr_safe << "Function ex_" << f.name << " Lib \"entalix.dll\" Alias \"" << f.name
            << "\" (" << parameters(f) << ", ByVal formulation As String) As Double\n";
    out << "Private Declare " << ptr_safe
        << "Function ex_psw_status Lib \"entalix.dll\" Alias \"psw_status\" () As Long\n";
    for (const char* text : {"psw_error", "psw_warning"})
        out << "Private Declare " << ptr_safe << "Function ex_" << text << " Lib \"entalix.dll\" Alias \"" << text
            << "\" (ByVal buffer As " << pointer << ", ByVal capacity As Long) As Long\n";
    out << "Private entalixModule As " << pointer << "\n";
}

constexpr std::string_view kHead = R"(Attribute VB_Name = "Entalix"
' Entalix: the water and steam property functions of entalix-calc as worksheet
' functions, over entalix.dll. Written from entalix-calc's table of functions;
' regenerate it rather than edit it. ASCII only: the VBA editor reads an
' imported module in the system's ANSI code page.
'
' Each function takes the arguments of entalix-calc, in MPa (absolute), degC,
' kJ/kg and kJ/(kg K), a property's name as a text, and an optional last
' argument, the formulation: "IFC-67" (the default) or "IAPWS-IF97" ("IF97").
'   =pswh_ptstm(1, 300)   =pswA_ptstm("cp", 1, 300, "IF97")
' A state that cannot be calculated shows #NUM!, a name or formulation not
' understood #VALUE!; =psw_error(B2) beside the cell B2 gives the reason (in
' Chinese), =psw_warning(B2) the warning of an extrapolated result.
'
' entalix.dll is looked for in the workbook's folder, then in EntalixFolder:
' in each, entalix.dll itself, then x64\entalix.dll for 64-bit Office or
' x86\entalix.dll for 32-bit Office (the portable zip holds both).
Option Explicit

' The folder of the unpacked portable zip, e.g. "D:\entalix"; may stay empty.
Public Const EntalixFolder As String = ""

Private Const ErrNum As Long = 2036
Private Const ErrValue As Long = 2015
#If Win64 Then
Private Const EntalixArch As String = "x64"
#Else
Private Const EntalixArch As String = "x86"
#End If

)";

constexpr std::string_view kLoader = R"(
' Loads entalix.dll by its full path before the first call, so that the
' declarations above find it.
Private Function EntalixLoaded() As Boolean
    Dim folder As Variant, candidate As Variant, path As String
    If entalixModule = 0 Then
        For Each folder In Array(ThisWorkbook.Path, EntalixFolder)
            If Len(folder) > 0 Then
                For Each candidate In Array("\entalix.dll", "\" & EntalixArch & "\entalix.dll")
                    path = folder & candidate
                    entalixModule = LoadLibraryW(StrPtr(path))
                    If entalixModule <> 0 Then Exit For
                Next candidate
            End If
            If entalixModule <> 0 Then Exit For
        Next folder
    End If
    EntalixLoaded = entalixModule <> 0
End Function

' The value of the call just made, or the error the sheet shows for its failure.
Private Function EntalixResult(ByVal value As Double) As Variant
    Select Case ex_psw_status()
        Case 0
            EntalixResult = value
        Case 2
            EntalixResult = CVErr(ErrValue)
        Case Else
            EntalixResult = CVErr(ErrNum)
    End Select
End Function

Private Function EntalixText(ByVal reason As Boolean) As String
    Dim n As Long, text As String
    If reason Then n = ex_psw_error(0, 0) Else n = ex_psw_warning(0, 0)
    If n <= 0 Then Exit Function
    text = String$(n, vbNullChar)
    If reason Then n = ex_psw_error(StrPtr(text), n) Else n = ex_psw_warning(StrPtr(text), n)
    EntalixText = text
End Function

' The reason the last function failed; give it the failed cell, =psw_error(B2),
' so that it is calculated after that cell.
Public Function psw_error(Optional ByVal after As Variant) As String
    If Not EntalixLoaded() Then
        psw_error = "entalix.dll not found beside the workbook or in EntalixFolder"
    Else
        psw_error = EntalixText(True)
    End If
End Function

' The warning of the last function's result when an equation gave it beyond the
' range where it is valid; empty when there is none.
Public Function psw_warning(Optional ByVal after As Variant) As String
    If EntalixLoaded() Then psw_warning = EntalixText(False)
End Function
)";

}  // namespace

std::string vba_module() {
    std::ostringstream out;
    out << kHead << "#If VBA7 Then\n";
    declarations(out, "PtrSafe ", "LongPtr");
    out << "#Else\n";
    declarations(out, "", "Long");
    out << "#End If\n" << kLoader;
    for (const cli::FunctionInfo& f : cli::functions()) {
        out << "\n' " << f.name << "(";
        for (std::size_t i = 0; i < f.arguments.size(); ++i) {
            const cli::Argument& a = f.arguments[i];
            out << (i > 0 ? ", " : "") << a.name;
        }
        out << ")\n"
            << "Public Function " << f.name << "(" << parameters(f)
            << ", Optional ByVal formulation As String = \"\") As Variant\n"
            << "    If Not EntalixLoaded() Then\n"
            << "        " << f.name << " = CVErr(ErrValue)\n"
            << "    Else\n"
            << "        " << f.name << " = EntalixResult(ex_" << f.name << "(" << argument_names(f) << "formulation))\n"
            << "    End If\n"
            << "End Function\n";
    }
    // CR LF throughout, as the VBA editor reads and writes modules.
    std::string text;
    for (const char c : out.str()) {
        if (c == '\n') text += '\r';
        text += c;
    }
    return text;
}

}  // namespace entalix::dll
