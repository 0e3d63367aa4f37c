quenlo_add_test(tst_policydialogs policy/tst_policydialogs.cpp GUI DB)
