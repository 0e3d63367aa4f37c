quenlo_add_test(tst_gridexport platform/tst_gridexport.cpp DB)
quenlo_add_test(tst_gridlayout platform/tst_gridlayout.cpp)
