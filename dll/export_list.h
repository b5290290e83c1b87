// The spreadsheet functions of entalix.dll by the shape of their arguments, in
// the order of entalix-calc's table (cli/calls.cpp), which does the work:
//   N1, N2, N4  one, two or four numbers, then the formulation;
//   S1, S2      a property's name, one or two numbers, then the formulation.
// Every function returns a double. tests/dll checks that the list holds every
// function of the table, each with its table's shape, and nothing else.
#pragma once

#define ENTALIX_SPREADSHEET_FUNCTIONS(N1, N2, N4, S1, S2) \
    N1(pswsat_p)                                          \
    N1(pswsat_t)                                          \
    N2(pswv_ptwtr)                                        \
    N2(pswv_ptstm)                                        \
    N2(pswh_ptwtr)                                        \
    N2(pswh_ptstm)                                        \
    N2(pswt_ph)                                           \
    N2(psws_ph)                                           \
    S2(pswA_ph)                                           \
    S2(pswA_ps)                                           \
    N2(pswp_hs)                                           \
    N2(pswt_hs)                                           \
    S2(pswA_hs)                                           \
    S2(pswA_ptwtr)                                        \
    S2(pswA_ptstm)                                        \
    N1(pswsigma_t)                                        \
    S1(pswA_sat_t)                                        \
    S1(pswA_sat_p)                                        \
    N4(psw_effi_pt)                                       \
    N4(psw_effi_ph)                                       \
    N4(pswt2_ptpeffi)
