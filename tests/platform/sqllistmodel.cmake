quenlo_add_test(tst_sqllistmodel platform/tst_sqllistmodel.cpp DB)
