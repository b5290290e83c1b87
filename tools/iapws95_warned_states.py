#!/usr/bin/env python3
"""Writes tests/app/data/iapws95_warned_states.csv: IAPWS-95 volumes and
enthalpies at the states where IFC-67's equations are carried a little beyond
their range (compressed water from 350 to 360 degC, superheated steam up to 5 %
above its boundary line), the states the steam calculators show with a warning.

Run once with python3 and the iapws package (IAPWS-95, the scientific
formulation):  python3 tools/iapws95_warned_states.py > tests/app/data/iapws95_warned_states.csv
"""
from iapws import IAPWS95

# The boundary line of the superheated-steam equations (IFC-67's L function),
# in MPa at t degC.
L0, L1, L2 = 15.74373327, -34.17061978, 19.31380707


def boundary_p(t):
    theta = (t + 273.15) / 647.3
    return 22.12 * (L0 + L1 * theta + L2 * theta * theta)


points = []
for i in range(20):  # compressed water, 350.5 to 360 degC
    t = 350.5 + 0.5 * i
    pl = boundary_p(t)
    for p in (pl + 0.02, pl + 0.5, pl + 2.0, 25, 30, 40, 50, 60, 80, 100):
        if p > pl:
            points.append((round(p, 4), t))
for i in range(25):  # steam just beyond its boundary line, 351 to 591 degC
    t = 351.0 + 10.0 * i
    for r in (1.005, 1.02, 1.035, 1.05):
        p = boundary_p(t) * r
        if p <= 100.0:
            points.append((round(p, 4), t))

print("# p MPa, t degC, v m3/kg, h kJ/kg: IAPWS-95 (python3-iapws), made by tools/iapws95_warned_states.py")
print("p,t,v,h")
for p, t in points:
    s = IAPWS95(T=t + 273.15, P=p)
    print(f"{p:.4f},{t:.2f},{s.v:.9g},{s.h:.6f}")
