#!/usr/bin/env python3
"""Writes IAPWS-IF97 states computed by python3-iapws, an independent
implementation, as CSV for oracle_check: single-phase (p, T) states over every
region, the saturation line up to the critical point, and the states of
(h, s) pairs over the regions and the wet band.

usage: oracle.py OUTPUT.csv
"""
import math
import sys

from iapws import iapws97
from scipy.optimize import newton


def single_phase(out):
    pressures = [0.001, 0.01, 0.1, 0.5, 1, 3.5, 9.8, 16.7, 20, 22, 22.064, 22.5,
                 23, 24.2, 25, 28, 31, 40, 60, 100]
    temperatures = [1, 10, 50, 100, 150, 200, 250, 300, 340, 350.5, 355, 360,
                    365, 370, 373, 374, 375, 376, 380, 385, 390, 400, 420, 450,
                    500, 566, 600, 700, 800, 900, 1200, 1600, 2000]
    for p in pressures:
        for t in temperatures:
            T = t + 273.15
            if t > 800 and p > 50:
                continue
            # Not within 0.2 K of the saturation line, where the side is a matter of rounding.
            if T < iapws97.Tc and p < iapws97.Pc:
                if abs(T - iapws97._TSat_P(p)) < 0.2 if p >= 611.213e-6 else False:
                    continue
            state = iapws97.IAPWS97(P=p, T=T)
            out.write("pt,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%d\n" %
                      (p, T, state.v, state.h, state.s, state.cp, state.w, state.region))


def saturated(out):
    for t in [0.01, 1, 25, 50, 100, 150, 200, 250, 300, 340, 350, 355, 360, 365,
              370, 372, 373, 373.5, 373.9]:
        T = t + 273.15
        p = iapws97._PSat_T(T)
        if T <= 623.15:
            liquid = iapws97._Region1(T, p)
            vapour = iapws97._Region2(T, p)
        else:
            # The saturated densities solve p(rho, T) = psat(T) on each branch of
            # the region 3 equation, started from its saturation subregions.
            def residual(rho):
                return iapws97._Region3(rho, T)["P"] - p
            rho_l = newton(residual, 1 / iapws97._Backward3_sat_v_P(p, T, 0), tol=1e-11, maxiter=100)
            rho_v = newton(residual, 1 / iapws97._Backward3_sat_v_P(p, T, 1), tol=1e-11, maxiter=100)
            liquid = iapws97._Region3(rho_l, T)
            vapour = iapws97._Region3(rho_v, T)
        out.write("sat,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g\n" %
                  (T, p, liquid["v"], vapour["v"], liquid["h"], vapour["h"], liquid["s"], vapour["s"]))


def from_hs(out):
    """States found from (h, s): the pairs of single-phase states over the
    regions and of wet states, each kept where the oracle's own answer gives
    back the pair (its wet solution near the critical point does not)."""
    pairs = []
    for p in [0.002, 0.05, 0.5, 3, 10, 18, 25, 40, 70, 100]:
        for t in [5, 60, 150, 250, 330, 360, 380, 400, 450, 550, 700, 790, 1000, 1500, 1950]:
            if t > 800 and p > 50:
                continue
            state = iapws97.IAPWS97(P=p, T=t + 273.15)
            pairs.append((state.h, state.s))
    for p in [0.001, 0.01, 0.1, 1, 5, 10, 15, 19, 21]:
        for x in [0.1, 0.5, 0.9, 0.99]:
            state = iapws97.IAPWS97(P=p, x=x)
            pairs.append((state.h, state.s))
    for h, s in pairs:
        try:
            state = iapws97.IAPWS97(h=h, s=s)
        except NotImplementedError:
            continue  # beyond the oracle's own (h, s) regions
        if state.P is None or abs(state.h - h) > 1e-12 * abs(h) or abs(state.s - s) > 1e-12 * max(abs(s), 1):
            continue
        out.write("hs,%.17g,%.17g,%.17g,%.17g,%.17g,%d\n" % (h, s, state.P, state.T, state.x, state.region))


def main():
    with open(sys.argv[1], "w") as out:
        single_phase(out)
        saturated(out)
        from_hs(out)


if __name__ == "__main__":
    main()
