quenlo_add_test(tst_policyscreens policy/tst_policyscreens.cpp GUI DB)
