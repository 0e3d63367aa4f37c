quenlo_add_test(tst_edittemplates refdata/tst_edittemplates.cpp GUI DB)
