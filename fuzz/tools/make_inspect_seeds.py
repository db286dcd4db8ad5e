# Writes the seeds of fuzz/corpus/inspect: the harness's base scenario as it
# is, with JSON and with its line profile, and edited the ways a file goes
# wrong: cut short, a route length no compile writes, a wrong tag, a text
# length past the end, cells of unknown kinds; and whole files too short.
# Run: python3 fuzz/tools/make_inspect_seeds.py build/compila_scenario
# (from the worktree root): the base files are compiled from the sources the
# harness holds, to find the offsets of the fields to edit.
import os, re, struct, subprocess, sys, tempfile
RADICE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
D = os.path.join(RADICE, "corpus", "inspect")
os.makedirs(D, exist_ok=True)
harness = open(os.path.join(RADICE, "inspect_fuzzer.cc")).read()

def sorgente(nome):
    corpo = re.search(r"const char\* const " + nome + r" =\n(.*?);\n", harness, re.S).group(1)
    return "".join(re.findall(r'"((?:[^"\\]|\\.)*)"', corpo)).encode().decode("unicode_escape")

tmp = tempfile.mkdtemp()
open(os.path.join(tmp, "l_linea.txt"), "w", newline="").write(sorgente("linea_base"))
open(os.path.join(tmp, "l_t-.txt"), "w", newline="").write(sorgente("treno_base"))
subprocess.run([os.path.abspath(sys.argv[1]), "compile", "l_linea.txt", "l_t-.txt"], cwd=tmp, check=True)
tabella = open(os.path.join(tmp, "l_t.sim"), "rb").read()
celle = open(os.path.join(tmp, "l_t.dat"), "rb").read()

def inizio_voce(r):
    pos = 0
    for _ in range(r):
        n = struct.unpack_from("<H", tabella, pos + 14)[0]
        pos += 34 + n
    return pos

TABELLA, CELLE, PROFILO = 0, 1, 2
SOVRASCRIVI, TRONCA, INSERISCI, CANCELLA = 0, 4, 8, 12
def modifica(file, op, dove, dati=b"", n=None):
    n = len(dati) if n is None else n
    return bytes([file | op]) + struct.pack("<I", dove)[:3] + bytes([n]) + dati

def seed(nome, opzioni, *modifiche):
    open(os.path.join(D, nome), "wb").write(bytes([opzioni]) + b"".join(modifiche))

lunghezza = inizio_voce(84) + 5  # record 84 valore_2, the route length
seed("base", 0)
seed("base_json", 1)
seed("con_profilo", 2)
seed("con_profilo_json", 3)
seed("lunghezza_massima", 0, modifica(TABELLA, SOVRASCRIVI, lunghezza, struct.pack("<i", 2**31 - 1)))
seed("lunghezza_un_milione_e_uno", 0, modifica(TABELLA, SOVRASCRIVI, lunghezza, struct.pack("<i", 1000001)))
seed("lunghezza_zero", 2, modifica(TABELLA, SOVRASCRIVI, lunghezza, struct.pack("<i", 0)))
seed("lunghezza_negativa", 0, modifica(TABELLA, SOVRASCRIVI, lunghezza, struct.pack("<i", -50)))
seed("lunghezza_altra_celle", 2, modifica(TABELLA, SOVRASCRIVI, lunghezza, struct.pack("<i", 6000)))
seed("tabella_tagliata", 0, modifica(TABELLA, TRONCA, 1000))
seed("tabella_testo_oltre_la_fine", 0, modifica(TABELLA, SOVRASCRIVI, inizio_voce(1) + 14, b"\xff\xff"))
seed("tabella_byte_in_piu", 0, modifica(TABELLA, INSERISCI, len(tabella) - 1, b"\0\0\0"))
seed("celle_non_intere", 0, modifica(CELLE, TRONCA, 1000))
seed("celle_di_altro_percorso", 2, modifica(CELLE, TRONCA, 1500))
seed("profilo_tagliato", 2, modifica(PROFILO, TRONCA, 100001))
seed("profilo_troppo_corto", 2, modifica(PROFILO, TRONCA, 4000))
seed("profilo_etichetta_ignota", 2, modifica(PROFILO, SOVRASCRIVI, 4, b"\x07\x00"))
seed("profilo_vuoti", 2, modifica(PROFILO, SOVRASCRIVI, 8, b"\0\0" * 64))
# Cells of every kind, one of no known kind, and a slowdown start with no end.
tipi = bytes(range(0, 16)) + b"\x63"
seed("celle_di_ogni_tipo", 0, *[modifica(CELLE, SOVRASCRIVI, 15 * (100 + i), bytes([t, 0x05, 0x01]))
                                for i, t in enumerate(tipi)])
seed("rallentamento_senza_fine", 2, modifica(CELLE, SOVRASCRIVI, 15 * 69, b"\x00"))
seed("gallerie_alternate", 0, *[modifica(CELLE, SOVRASCRIVI, 15 * k + 11, bytes([k % 3])) for k in range(150, 200)])
# Whole files: nothing at all, a few bytes of each.
seed("file_vuoti", 4, b"\0\0\0\0")
seed("file_brevi", 6, struct.pack("<H", 20) + tabella[:20] + struct.pack("<H", 30) + celle[:30] + b"\x02\x00\x00\x00")
