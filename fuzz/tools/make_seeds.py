# Writes the hand-made seeds of fuzz/corpus/compile: small sources that reach
# each anomaly code, the fatal reports and the flags of the harness input.
# Seeds whose curves matter carry the flags byte 1: without it the harness
# builds no line drawing and reads no "curva" line.
# Run: python3 fuzz/tools/make_seeds.py (from the worktree root).
import os
D = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "corpus", "compile")
def righe(*ls): return "".join(l + "\r\n" for l in ls)
def linea(*feat, lung=3000, gen=()):
    return righe("[generale]", "lunghezza percorso,    %d" % lung, *gen, "[curve]", *feat, "[fine]")
def treno(*feat):
    return righe("[generale]", "numero vetture, 13", "sabbia, 200", "velocita, 0, 30", *feat, "[fine]")
def seed(name, l, t=None, flags=None):
    b = l.encode("latin-1")
    if t is not None:
        b += b"\0" + t.encode("latin-1")
        if flags is not None: b += b"\0" + bytes([flags])
    open(os.path.join(D, name), "wb").write(b)
st = ", 0,0,0, 0,0,0, 0,0,0, 0,0,0,0, X"
seed("minimo", linea(), treno())
seed("minimo_con_disegno", linea("curvad3, 1000, 300", "curvas6, 2000, 100"), treno(), 9)
seed("senza_disegno", linea("curvad3, 1000, 300"), treno(), 0)
seed("a101_linea_assente", linea(), treno(), 3)
seed("treno_assente", linea(), treno(), 5)
seed("a102_senza_generale", righe("[curve]", "[fine]"), treno())
seed("a001_percorso_oltre_un_milione", linea(lung=1000001), treno())
seed("percorso_un_milione_curva", linea("curvad1, 999000, 5000", lung=1000000), treno(), 1)
seed("a003_ripetizione_inizio", righe("[generale]", "ripetizione segnali 4 codici, 3510, 9000", "[fine]"), treno())
seed("a004_ripetizione_fine", righe("[generale]", "ripetizione segnali 4 codici, 3500, 9010", "[fine]"), treno())
seed("a005_ripetizione_senza_codici", righe("[generale]", "ripetizione segnali codici, 3500, 9000", "[fine]"), treno())
seed("a006_cartello_su_cella_presa", linea("indicatori_vmax, 1650, 75, 80, 90, 0, , , , 0", "cartello_indicatore, 1660, (X)"), treno())
seed("a021_indicatori_su_cella_presa", linea("cartello_indicatore, 1660, (X)", "indicatori_vmax, 1650, 75, 80, 90, 0, , , , 0"), treno())
seed("a103_curva_senza_classe", linea("curvas, 100, 100", "pendenza, 1000, 6"), treno(), 1)
seed("a103_curva_oltre_disegno", linea("curvad3, 9800, 5000"), treno(), 1)
seed("a015_linea_oltre_celle", linea("pendenza, 0, 5", "cartello_indicatore, 9900, (ULTIMO)", "montagna, 9950, 9990, 1"), treno())
seed("a025_linea_non_numero", linea("pendenza, 1x0, 5"), treno())
seed("a025_treno_fuori_campo", linea(), righe("[generale]", "sabbia, 40000", "[fine]"))
seed("a002_progressiva", righe("[generale]", "lunghezza percorso, 3000", "progressiva chilometrica uno, 10, 20, 1", "[fine]"), treno())
seed("a007_abbattimento", linea(), treno("abbattimento, 1000, 1", "abbattimento, 1020, 1"))
seed("a008_stazione_fuori_griglia", linea(), treno("stazione, 6030, 12, 300" + st))
seed("a009_lunghezza_stazione", linea(), treno("stazione, 6000, 12, 350" + st))
seed("a024_stazione_corta", linea(), treno("stazione, 0, 12, 200" + st))
seed("a022_stazioni_vicine", linea(), treno("stazione, 1000, 12, 400" + st, "stazione, 1700, 12, 400" + st))
seed("a010_stazioni_e_cartelli", linea(*["cartello_indicatore, %d, (T%d)" % (i * 100, i) for i in range(78)]),
     treno("stazione, 1000, 12, 400" + st, "stazione, 5000, 12, 400" + st))
sg = ", 2, 4, 0, 0, 0, 0, 0, 0, 0, 0"
seed("a016_segnale_su_cella_presa", linea(), treno("segnale, 2000" + sg, "segnale, 2020" + sg))
seed("a017_avviso_su_cella_presa", linea(), treno("segnale, 1800" + sg, "rallentamento, 3000, 30, 200, 0, 1, 0"))
seed("a018_inizio_su_cella_presa", linea(), treno("segnale, 3000" + sg, "rallentamento, 3000, 30, 200, 0, 1, 0"))
seed("a019_fine_su_cella_presa", linea(), treno("abbattimento, 3250, 1", "rallentamento, 3000, 30, 200, 0, 1, 0"))
seed("a020_celle_prima_avviso", linea(), treno("abbattimento, 1700, 1", "rallentamento, 3000, 30, 200, 0, 1, 0"))
seed("a015_treno_oltre_celle", linea(), treno("segnale, 9900, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0", "segnale, 9950, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0"))
seed("a011_segnale_prima_avviso", linea("cartello_indicatore, 2900, (A)", "cartello_indicatore, 2950, (B)"),
     treno("segnale, 3000" + sg, "rallentamento, 5000, 30, 200, 0, 1, 0"))
seed("a012_gruppo_pieno", linea("cartello_indicatore, 4650, (A)", "cartello_indicatore, 4700, (B)", "cartello_indicatore, 4750, (C)"),
     treno("rallentamento, 5000, 30, 2000, 0, 1, 0"))
seed("a013_cambio_codice_pieno", linea("cartello_indicatore, 5350, (A)", "cartello_indicatore, 5400, (B)", "cartello_indicatore, 5450, (C)"),
     treno("rallentamento, 5000, 30, 2000, 0, 1, 0"))
seed("f1250_cella_uno", linea(), treno("segnale, 0" + sg))
seed("f1251_cella_uno", linea(), treno("segnale, 0, 0, 0, 2, 4, 0, 0, 0, 0, 0, 0"))
seed("gallerie_pendenze_aderenze", linea("pendenza, 0, 5", "pendenza, 2000, -7", "montagna, 1000, 2500, 1", "montagna, 3000, 3100, 2",
     "indicatori_vmax, 1650, 75, 80, 90, 0, , , , 0", "curvas2, 500, 300"), treno("aderenza, 0, 100", "aderenza, 1000, 80", "velocita, 500, 100"), 1)
# Also committed, made by hand: limite_81_gallerie_e_curva_di_un_milione (81
# tunnel stretches over a 1000000 m route and a curve across all of it) and
# rallentamenti_senza_fine (slowdowns too short for an end cell, so every
# completion walk runs to the last cell).
