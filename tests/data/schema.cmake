quenlo_add_test(tst_schema data/tst_schema.cpp DB)
quenlo_add_test(tst_datalayer data/tst_datalayer.cpp DB)
