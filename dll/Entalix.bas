Attribute VB_Name = "Entalix"
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

#If VBA7 Then
Private Declare PtrSafe Function LoadLibraryW Lib "kernel32" (ByVal path As LongPtr) As LongPtr
Private Declare PtrSafe Function ex_pswsat_p Lib "entalix.dll" Alias "pswsat_p" (ByVal t As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_pswsat_t Lib "entalix.dll" Alias "pswsat_t" (ByVal p As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_pswv_ptwtr Lib "entalix.dll" Alias "pswv_ptwtr" (ByVal p As Double, ByVal t As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_pswv_ptstm Lib "entalix.dll" Alias "pswv_ptstm" (ByVal p As Double, ByVal t As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_pswh_ptwtr Lib "entalix.dll" Alias "pswh_ptwtr" (ByVal p As Double, ByVal t As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_pswh_ptstm Lib "entalix.dll" Alias "pswh_ptstm" (ByVal p As Double, ByVal t As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_pswt_ph Lib "entalix.dll" Alias "pswt_ph" (ByVal p As Double, ByVal h As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_psws_ph Lib "entalix.dll" Alias "psws_ph" (ByVal p As Double, ByVal h As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_pswA_ph Lib "entalix.dll" Alias "pswA_ph" (ByVal name As String, ByVal p As Double, ByVal h As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_pswA_ps Lib "entalix.dll" Alias "pswA_ps" (ByVal name As String, ByVal p As Double, ByVal s As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_pswp_hs Lib "entalix.dll" Alias "pswp_hs" (ByVal h As Double, ByVal s As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_pswt_hs Lib "entalix.dll" Alias "pswt_hs" (ByVal h As Double, ByVal s As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_pswA_hs Lib "entalix.dll" Alias "pswA_hs" (ByVal name As String, ByVal h As Double, ByVal s As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_pswA_ptwtr Lib "entalix.dll" Alias "pswA_ptwtr" (ByVal name As String, ByVal p As Double, ByVal t As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_pswA_ptstm Lib "entalix.dll" Alias "pswA_ptstm" (ByVal name As String, ByVal p As Double, ByVal t As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_pswsigma_t Lib "entalix.dll" Alias "pswsigma_t" (ByVal t As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_pswA_sat_t Lib "entalix.dll" Alias "pswA_sat_t" (ByVal name As String, ByVal t As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_pswA_sat_p Lib "entalix.dll" Alias "pswA_sat_p" (ByVal name As String, ByVal p As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_psw_effi_pt Lib "entalix.dll" Alias "psw_effi_pt" (ByVal p1 As Double, ByVal t1 As Double, ByVal p2 As Double, ByVal t2 As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_psw_effi_ph Lib "entalix.dll" Alias "psw_effi_ph" (ByVal p1 As Double, ByVal h1 As Double, ByVal p2 As Double, ByVal h2 As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_pswt2_ptpeffi Lib "entalix.dll" Alias "pswt2_ptpeffi" (ByVal p1 As Double, ByVal t1 As Double, ByVal p2 As Double, ByVal effi As Double, ByVal formulation As String) As Double
Private Declare PtrSafe Function ex_psw_status Lib "entalix.dll" Alias "psw_status" () As Long
Private Declare PtrSafe Function ex_psw_error Lib "entalix.dll" Alias "psw_error" (ByVal buffer As LongPtr, ByVal capacity As Long) As Long
Private Declare PtrSafe Function ex_psw_warning Lib "entalix.dll" Alias "psw_warning" (ByVal buffer As LongPtr, ByVal capacity As Long) As Long
Private entalixModule As LongPtr
#Else
Private Declare Function LoadLibraryW Lib "kernel32" (ByVal path As Long) As Long
Private Declare Function ex_pswsat_p Lib "entalix.dll" Alias "pswsat_p" (ByVal t As Double, ByVal formulation As String) As Double
Private Declare Function ex_pswsat_t Lib "entalix.dll" Alias "pswsat_t" (ByVal p As Double, ByVal formulation As String) As Double
Private Declare Function ex_pswv_ptwtr Lib "entalix.dll" Alias "pswv_ptwtr" (ByVal p As Double, ByVal t As Double, ByVal formulation As String) As Double
Private Declare Function ex_pswv_ptstm Lib "entalix.dll" Alias "pswv_ptstm" (ByVal p As Double, ByVal t As Double, ByVal formulation As String) As Double
Private Declare Function ex_pswh_ptwtr Lib "entalix.dll" Alias "pswh_ptwtr" (ByVal p As Double, ByVal t As Double, ByVal formulation As String) As Double
Private Declare Function ex_pswh_ptstm Lib "entalix.dll" Alias "pswh_ptstm" (ByVal p As Double, ByVal t As Double, ByVal formulation As String) As Double
Private Declare Function ex_pswt_ph Lib "entalix.dll" Alias "pswt_ph" (ByVal p As Double, ByVal h As Double, ByVal formulation As String) As Double
Private Declare Function ex_psws_ph Lib "entalix.dll" Alias "psws_ph" (ByVal p As Double, ByVal h As Double, ByVal formulation As String) As Double
Private Declare Function ex_pswA_ph Lib "entalix.dll" Alias "pswA_ph" (ByVal name As String, ByVal p As Double, ByVal h As Double, ByVal formulation As String) As Double
Private Declare Function ex_pswA_ps Lib "entalix.dll" Alias "pswA_ps" (ByVal name As String, ByVal p As Double, ByVal s As Double, ByVal formulation As String) As Double
Private Declare Function ex_pswp_hs Lib "entalix.dll" Alias "pswp_hs" (ByVal h As Double, ByVal s As Double, ByVal formulation As String) As Double
Private Declare Function ex_pswt_hs Lib "entalix.dll" Alias "pswt_hs" (ByVal h As Double, ByVal s As Double, ByVal formulation As String) As Double
Private Declare Function ex_pswA_hs Lib "entalix.dll" Alias "pswA_hs" (ByVal name As String, ByVal h As Double, ByVal s As Double, ByVal formulation As String) As Double
Private Declare Function ex_pswA_ptwtr Lib "entalix.dll" Alias "pswA_ptwtr" (ByVal name As String, ByVal p As Double, ByVal t As Double, ByVal formulation As String) As Double
Private Declare Function ex_pswA_ptstm Lib "entalix.dll" Alias "pswA_ptstm" (ByVal name As String, ByVal p As Double, ByVal t As Double, ByVal formulation As String) As Double
Private Declare Function ex_pswsigma_t Lib "entalix.dll" Alias "pswsigma_t" (ByVal t As Double, ByVal formulation As String) As Double
Private Declare Function ex_pswA_sat_t Lib "entalix.dll" Alias "pswA_sat_t" (ByVal name As String, ByVal t As Double, ByVal formulation As String) As Double
Private Declare Function ex_pswA_sat_p Lib "entalix.dll" Alias "pswA_sat_p" (ByVal name As String, ByVal p As Double, ByVal formulation As String) As Double
Private Declare Function ex_psw_effi_pt Lib "entalix.dll" Alias "psw_effi_pt" (ByVal p1 As Double, ByVal t1 As Double, ByVal p2 As Double, ByVal t2 As Double, ByVal formulation As String) As Double
Private Declare Function ex_psw_effi_ph Lib "entalix.dll" Alias "psw_effi_ph" (ByVal p1 As Double, ByVal h1 As Double, ByVal p2 As Double, ByVal h2 As Double, ByVal formulation As String) As Double
Private Declare Function ex_pswt2_ptpeffi Lib "entalix.dll" Alias "pswt2_ptpeffi" (ByVal p1 As Double, ByVal t1 As Double, ByVal p2 As Double, ByVal effi As Double, ByVal formulation As String) As Double
Private Declare Function ex_psw_status Lib "entalix.dll" Alias "psw_status" () As Long
Private Declare Function ex_psw_error Lib "entalix.dll" Alias "psw_error" (ByVal buffer As Long, ByVal capacity As Long) As Long
Private Declare Function ex_psw_warning Lib "entalix.dll" Alias "psw_warning" (ByVal buffer As Long, ByVal capacity As Long) As Long
Private entalixModule As Long
#End If

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

' pswsat_p(t)
Public Function pswsat_p(ByVal t As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        pswsat_p = CVErr(ErrValue)
    Else
        pswsat_p = EntalixResult(ex_pswsat_p(t, formulation))
    End If
End Function

' pswsat_t(p)
Public Function pswsat_t(ByVal p As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        pswsat_t = CVErr(ErrValue)
    Else
        pswsat_t = EntalixResult(ex_pswsat_t(p, formulation))
    End If
End Function

' pswv_ptwtr(p, t)
Public Function pswv_ptwtr(ByVal p As Double, ByVal t As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        pswv_ptwtr = CVErr(ErrValue)
    Else
        pswv_ptwtr = EntalixResult(ex_pswv_ptwtr(p, t, formulation))
    End If
End Function

' pswv_ptstm(p, t)
Public Function pswv_ptstm(ByVal p As Double, ByVal t As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        pswv_ptstm = CVErr(ErrValue)
    Else
        pswv_ptstm = EntalixResult(ex_pswv_ptstm(p, t, formulation))
    End If
End Function

' pswh_ptwtr(p, t)
Public Function pswh_ptwtr(ByVal p As Double, ByVal t As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        pswh_ptwtr = CVErr(ErrValue)
    Else
        pswh_ptwtr = EntalixResult(ex_pswh_ptwtr(p, t, formulation))
    End If
End Function

' pswh_ptstm(p, t)
Public Function pswh_ptstm(ByVal p As Double, ByVal t As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        pswh_ptstm = CVErr(ErrValue)
    Else
        pswh_ptstm = EntalixResult(ex_pswh_ptstm(p, t, formulation))
    End If
End Function

' pswt_ph(p, h)
Public Function pswt_ph(ByVal p As Double, ByVal h As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        pswt_ph = CVErr(ErrValue)
    Else
        pswt_ph = EntalixResult(ex_pswt_ph(p, h, formulation))
    End If
End Function

' psws_ph(p, h)
Public Function psws_ph(ByVal p As Double, ByVal h As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        psws_ph = CVErr(ErrValue)
    Else
        psws_ph = EntalixResult(ex_psws_ph(p, h, formulation))
    End If
End Function

' pswA_ph(name, p, h)
Public Function pswA_ph(ByVal name As String, ByVal p As Double, ByVal h As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        pswA_ph = CVErr(ErrValue)
    Else
        pswA_ph = EntalixResult(ex_pswA_ph(name, p, h, formulation))
    End If
End Function

' pswA_ps(name, p, s)
Public Function pswA_ps(ByVal name As String, ByVal p As Double, ByVal s As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        pswA_ps = CVErr(ErrValue)
    Else
        pswA_ps = EntalixResult(ex_pswA_ps(name, p, s, formulation))
    End If
End Function

' pswp_hs(h, s)
Public Function pswp_hs(ByVal h As Double, ByVal s As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        pswp_hs = CVErr(ErrValue)
    Else
        pswp_hs = EntalixResult(ex_pswp_hs(h, s, formulation))
    End If
End Function

' pswt_hs(h, s)
Public Function pswt_hs(ByVal h As Double, ByVal s As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        pswt_hs = CVErr(ErrValue)
    Else
        pswt_hs = EntalixResult(ex_pswt_hs(h, s, formulation))
    End If
End Function

' pswA_hs(name, h, s)
Public Function pswA_hs(ByVal name As String, ByVal h As Double, ByVal s As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        pswA_hs = CVErr(ErrValue)
    Else
        pswA_hs = EntalixResult(ex_pswA_hs(name, h, s, formulation))
    End If
End Function

' pswA_ptwtr(name, p, t)
Public Function pswA_ptwtr(ByVal name As String, ByVal p As Double, ByVal t As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        pswA_ptwtr = CVErr(ErrValue)
    Else
        pswA_ptwtr = EntalixResult(ex_pswA_ptwtr(name, p, t, formulation))
    End If
End Function

' pswA_ptstm(name, p, t)
Public Function pswA_ptstm(ByVal name As String, ByVal p As Double, ByVal t As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        pswA_ptstm = CVErr(ErrValue)
    Else
        pswA_ptstm = EntalixResult(ex_pswA_ptstm(name, p, t, formulation))
    End If
End Function

' pswsigma_t(t)
Public Function pswsigma_t(ByVal t As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        pswsigma_t = CVErr(ErrValue)
    Else
        pswsigma_t = EntalixResult(ex_pswsigma_t(t, formulation))
    End If
End Function

' pswA_sat_t(name, t)
Public Function pswA_sat_t(ByVal name As String, ByVal t As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        pswA_sat_t = CVErr(ErrValue)
    Else
        pswA_sat_t = EntalixResult(ex_pswA_sat_t(name, t, formulation))
    End If
End Function

' pswA_sat_p(name, p)
Public Function pswA_sat_p(ByVal name As String, ByVal p As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        pswA_sat_p = CVErr(ErrValue)
    Else
        pswA_sat_p = EntalixResult(ex_pswA_sat_p(name, p, formulation))
    End If
End Function

' psw_effi_pt(p1, t1, p2, t2)
Public Function psw_effi_pt(ByVal p1 As Double, ByVal t1 As Double, ByVal p2 As Double, ByVal t2 As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        psw_effi_pt = CVErr(ErrValue)
    Else
        psw_effi_pt = EntalixResult(ex_psw_effi_pt(p1, t1, p2, t2, formulation))
    End If
End Function

' psw_effi_ph(p1, h1, p2, h2)
Public Function psw_effi_ph(ByVal p1 As Double, ByVal h1 As Double, ByVal p2 As Double, ByVal h2 As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        psw_effi_ph = CVErr(ErrValue)
    Else
        psw_effi_ph = EntalixResult(ex_psw_effi_ph(p1, h1, p2, h2, formulation))
    End If
End Function

' pswt2_ptpeffi(p1, t1, p2, effi)
Public Function pswt2_ptpeffi(ByVal p1 As Double, ByVal t1 As Double, ByVal p2 As Double, ByVal effi As Double, Optional ByVal formulation As String = "") As Variant
    If Not EntalixLoaded() Then
        pswt2_ptpeffi = CVErr(ErrValue)
    Else
        pswt2_ptpeffi = EntalixResult(ex_pswt2_ptpeffi(p1, t1, p2, effi, formulation))
    End If
End Function
