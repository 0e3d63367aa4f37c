quenlo_add_test(tst_gridexport platform/tst_gridexport.cpp DB)
quenlo_add_test(tst_gridlayout platform/tst_gridlayout.cpp)
quenlo_add_test(tst_gridprint platform/tst_gridprint.cpp)
