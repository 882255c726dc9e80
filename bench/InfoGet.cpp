// The peer of `rigwright-cli get FILE KEY`: reads an INFO file with
// boost::property_tree's read_info and prints the value at the dotted key.

#include <boost/property_tree/info_parser.hpp>
#include <boost/property_tree/ptree.hpp>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: info_get FILE KEY\n";
        return 2;
    }
    boost::property_tree::ptree tree;
    try {
        boost::property_tree::info_parser::read_info(argv[1], tree);
    } catch (const boost::property_tree::info_parser_error& error) {
        std::cerr << error.what() << '\n';
        return 2;
    }
    const auto value = tree.get_optional<std::string>(argv[2]);
    if (!value) {
        return 1;
    }
    std::cout << *value << '\n';
    return 0;
}
